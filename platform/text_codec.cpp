#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tagpress {

namespace {

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; each invalid or truncated input byte is replaced by
  // `replacement` and skipped.
  std::string Convert(std::string_view in, std::string_view replacement) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 8);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[4096];
    while (src_left > 0) {
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, dst - buffer);
      if (rc == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip one byte of input.
        out.append(replacement);
        ++src;
        --src_left;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dst_left);
    out.append(buffer, dst - buffer);
    return out;
  }

 private:
  iconv_t cd_;
};

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

// Length of the UTF-8 sequence at s[i], or 0 when it is not well-formed.
size_t Utf8SequenceLength(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char c = b(i);
  if (c < 0x80) return 1;
  size_t n;
  unsigned min_second = 0x80, max_second = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) min_second = 0xA0;
    if (c == 0xED) max_second = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) min_second = 0x90;
    if (c == 0xF4) max_second = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (b(i + 1) < min_second || b(i + 1) > max_second) return 0;
  for (size_t k = 2; k < n; ++k)
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
  return n;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  if (IsAscii(gbk)) return std::string(gbk);
  thread_local Converter converter("UTF-8", "GB18030");
  return converter.Convert(gbk, "\xEF\xBF\xBD");
}

std::string Utf8ToGbk(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter("GB18030", "UTF-8");
  return converter.Convert(utf8, "?");
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    size_t n = Utf8SequenceLength(bytes, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool LooksLikeUtf8(std::string_view bytes) { return !IsAscii(bytes) && IsValidUtf8(bytes); }

}  // namespace tagpress
