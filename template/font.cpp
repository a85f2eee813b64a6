#include "template/font.h"

#include <cmath>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "template/line_list.h"
#include "template/number_text.h"

namespace tagpress {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

int IntItem(const std::string& item) {
  if (auto value = TryTextToInt(item)) return *value;
  throw EConvertError("'" + item + "' " + GBK("不是有效的整数"));
}

bool BoolItem(const std::string& item) {
  if (auto value = ParseBool(item)) return *value;
  throw EConvertError("'" + item + "' " + GBK("不是有效的布尔值"));
}

const char* BoolText(bool value) { return value ? "-1" : "0"; }

}  // namespace

int TFont::Size() const { return -MulDiv(Height, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { Height = -MulDiv(points, kPixelsPerInch, 72); }

std::string FontToText(const TFont& font) {
  return LinesToLineList({font.Name, std::to_string(font.Charset & 0xFF), std::to_string(font.Size()),
                          std::to_string(font.Color), std::to_string(font.Height), std::to_string(font.Pitch),
                          BoolText(font.Bold), BoolText(font.Italic), BoolText(font.Underline),
                          BoolText(font.StrikeOut)});
}

void TextToFont(const std::string& text, TFont& font) {
  if (text.empty()) return;
  const LineList items = LineListToLines(text);
  const auto item = [&](size_t index) -> const std::string& {
    if (index >= items.size()) throw EConvertError(GBK("字体描述的项目不足十项"));
    return items[index];
  };
  font.Name = item(0);
  font.Charset = IntItem(item(1)) & 0xFF;
  font.SetSize(IntItem(item(2)));
  font.Color = IntItem(item(3));
  font.Height = IntItem(item(4));
  font.Pitch = IntItem(item(5));
  font.Bold = font.Italic = font.Underline = font.StrikeOut = false;
  font.Bold = BoolItem(item(6));
  font.Italic = BoolItem(item(7));
  font.Underline = BoolItem(item(8));
  font.StrikeOut = BoolItem(item(9));
}

}  // namespace tagpress
