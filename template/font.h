#pragma once
// The font object of the template store: what the original window toolkit's
// font carries. Size in points and height in pixels are two views of one
// value at 96 pixels per inch (height -12 is 9 points).

#include <string>

namespace tagpress {

struct TFont {
  static constexpr int kPixelsPerInch = 96;
  static constexpr int kDefaultCharset = 1;

  std::string Name = "MS Sans Serif";  // face name, GBK
  int Charset = kDefaultCharset;       // 0 to 255
  int Color = 0;                       // $00BBGGRR
  int Height = -11;                    // pixels; negative for a character height
  int Pitch = 0;                       // 0 default, 1 variable, 2 fixed
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  int Size() const;
  void SetSize(int points);

  bool operator==(const TFont&) const = default;
};

// The font-text form: a line list of face, charset, size, colour, height,
// pitch, bold, italic, underline, strike-out.
std::string FontToText(const TFont& font);

// Applies a font text to `font` item by item. An empty text does nothing.
// Fewer than ten items, a number item that is no integer or a style item that
// is neither a number nor True/False throws EConvertError; the items before
// the bad one stay applied.
void TextToFont(const std::string& text, TFont& font);

}  // namespace tagpress
