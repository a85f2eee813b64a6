#pragma once
// Byte-wise text helpers for script names and words: only ASCII letters fold,
// every other byte (GBK lead and trail bytes included) compares exactly.

#include <string>
#include <string_view>

namespace tagpress {

inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);

// Three-way comparison of the ASCII-upper-cased bytes, unsigned.
int CompareTextAscii(std::string_view a, std::string_view b);

inline bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

// Position of the first occurrence of `what` at or after `from` in GBK text
// that starts on a character, never on the second byte of a Chinese
// character (which may be "[" or "]"); npos when there is none. `from`
// must start a character.
size_t FindOnCharacter(std::string_view text, std::string_view what, size_t from = 0);

// Without leading and trailing bytes up to the blank (control bytes and blanks).
std::string_view TrimControlAndBlank(std::string_view text);

}  // namespace tagpress
