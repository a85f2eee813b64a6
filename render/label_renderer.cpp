#include "render/label_renderer.h"

#include <string_view>

#include "barcode/bcchksum.h"
#include "platform/rounding.h"
#include "platform/text_codec.h"
#include "render/dots.h"
#include "render/surface_font.h"
#include "template/line_list.h"

namespace tagpress {

namespace {

enum Alignment { kLeft = 0, kRight = 1, kCentre = 2 };

bool IsRetailType(int type) {
  return type == bcCodeEAN8 || type == bcCodeEAN13 || type == bcCodeUPC_A || type == bcCodeUPC_E0 ||
         type == bcCodeUPC_E1;
}

std::string_view TrimBlanksAndControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// The first `length` characters, completed with zeros on the right.
std::string FirstCompleted(std::string_view digits, size_t length) {
  std::string result(digits.substr(0, length));
  result.resize(length, '0');
  return result;
}

constexpr std::string_view kCode39Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Lengths of the label in dots.
struct Dots {
  int dpi_x, dpi_y;
  int X(double mm) const { return DotsFromMm(dpi_x, mm); }
  int Y(double mm) const { return DotsFromMm(dpi_y, mm); }
};

// Height of a block of text lines: the lines plus the gaps between them.
int LinesHeight(Surface& surface, const LineList& lines, int row_gap) {
  int height = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    height += surface.TextHeight(lines[i]);
    if (i + 1 < lines.size()) height += row_gap;
  }
  return height;
}

// Writes the lines from y on, aligned in the cell [x0, x0 + w); returns the new y.
int WriteLines(Surface& surface, const LineList& lines, int alignment, int x0, int w, int margin, int row_gap,
               int y) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int width = surface.TextWidth(line);
    switch (alignment) {
      case kLeft:
        surface.TextOut(x0 + margin, y, line);
        break;
      case kRight:
        surface.TextOut(x0 + w - width - 4 - margin, y, line);
        break;
      case kCentre:
        surface.TextOut(x0 + (w - width) / 2, y, line);
        break;
      default:
        break;  // unknown alignment: the line keeps its space but is not written
    }
    y += surface.TextHeight(line);
    if (i + 1 < lines.size()) y += row_gap;
  }
  return y;
}

// One group of retail digits written into its box under the bars.
struct DigitBox {
  int left_modules, right_modules;  // box edges from the symbol's left edge
  size_t first, count;              // characters of the digit string
};

struct RetailLayout {
  bool round_third;  // top of the digits: B - R(h / 3), else B - (h div 3)
  bool left_digit;
  DigitBox boxes[2];
  bool right_digit;
};

constexpr RetailLayout kEan8Layout = {true, false, {{4, 32, 0, 4}, {36, 64, 4, 4}}, false};
constexpr RetailLayout kEan13Layout = {true, true, {{4, 46, 1, 6}, {50, 92, 7, 6}}, false};
constexpr RetailLayout kUpcALayout = {false, true, {{10, 45, 1, 5}, {50, 85, 6, 5}}, true};

void DrawRetailDigits(TBarcode& barcode, Surface& surface, const RetailLayout& layout, int bar_width) {
  const int m = barcode.Modul();
  const int left = barcode.Left();
  const int bottom = barcode.Top() + barcode.Height();
  const std::string& digits = barcode.Text();
  const int h = surface.TextHeight(digits);
  const int top = layout.round_third ? bottom - RoundToDots(h / 3.0) : bottom - h / 3;
  const auto part = [&](size_t first, size_t count) {
    return first < digits.size() ? digits.substr(first, count) : std::string();
  };
  surface.SetTextExtraSpacing(0);
  if (layout.left_digit) {
    const std::string first = part(0, 1);
    surface.TextOut(left - 2 * m - surface.TextWidth(first), top, first);
  }
  for (const DigitBox& box : layout.boxes) {
    const std::string group = part(box.first, box.count);
    const int box_width = (box.right_modules - box.left_modules) * m;
    const int spacing = (box_width - surface.TextWidth(group)) / static_cast<int>(box.count - 1);
    surface.SetTextExtraSpacing(spacing);
    const Rect rect{left + box.left_modules * m, top, left + box.right_modules * m, top + h};
    surface.TextRect(rect, rect.Left, top, group);
    surface.SetTextExtraSpacing(0);
  }
  if (layout.right_digit) surface.TextOut(left + bar_width + 2 * m, top, part(11, 1));
}

const RetailLayout* RetailLayoutOf(int type) {
  switch (type) {
    case bcCodeEAN8:
      return &kEan8Layout;
    case bcCodeEAN13:
      return &kEan13Layout;
    case bcCodeUPC_A:
      return &kUpcALayout;
    default:
      return nullptr;
  }
}

void WriteInvalidDigits(Surface& surface, int x0, int y0, int w, int h) {
  SurfaceFont font;
  font.Name = GBK("宋体");
  font.Size = 9;
  font.Color = kColorRed;
  surface.SetFont(font);
  const std::string& message = GBK("条码数字不符合规范");
  surface.TextOut(x0 + (w - surface.TextWidth(message)) / 2, y0 + (h - surface.TextHeight(message)) / 2,
                  message);
}

}  // namespace

std::string PrepareDigits(int type, const std::string& digits) {
  const std::string_view d = TrimBlanksAndControls(digits);
  switch (type) {
    case bcCode39: {
      int sum = 0;
      for (char c : d)
        if (size_t at = kCode39Characters.find(c); at != std::string_view::npos) sum += static_cast<int>(at);
      return std::string(d) + kCode39Characters[sum % 43];
    }
    case bcCodeEAN8:
    case bcCodeEAN13:
    case bcCodeUPC_A: {
      const size_t length = type == bcCodeEAN8 ? 7 : type == bcCodeEAN13 ? 12 : 11;
      std::string result = FirstCompleted(d, length);
      return result + Mod10CheckDigit(result);
    }
    case bcCodeUPC_E0:
    case bcCodeUPC_E1: {
      std::string result = FirstCompleted(d, 6);
      return result + UpcECheckDigit(result, type == bcCodeUPC_E0 ? 0 : 1);
    }
    default:
      return digits;
  }
}

void DrawLabel(TBarcode& barcode, const TBarcodeFile& tpl, Surface& surface, const TtgpDrawRec& rec,
               bool show_origin) {
  if (rec.Digits.empty()) return;
  const int type = tpl.BarType();
  std::string digits = rec.Digits;
  if (tpl.BarTextChecksum() || IsRetailType(type)) digits = PrepareDigits(type, digits);
  const LineList upper = LineListToLines(rec.UpText);
  const LineList lower = LineListToLines(rec.DownText);
  barcode.SetTyp(static_cast<TBarcodeType>(type));
  barcode.SetText(digits);
  const std::string shown = tpl.BarTextLeftDecorate() + digits + tpl.BarTextRightDecorate();

  const Dots dots{rec.DpiX, rec.DpiY};
  int h = dots.Y(tpl.LabelHeight() - tpl.LabelTop());
  int w = dots.X(tpl.LabelWidth() - tpl.LabelLeft());
  int x0 = dots.X(tpl.LabelLeft()) + rec.Left;
  int y0 = dots.Y(tpl.LabelTop()) + rec.Top;

  barcode.SetColor(kColorWhite);
  if (tpl.HasBackgroundColor()) {
    const TColor background = tpl.BackgroundColor();
    barcode.SetColor(background);
    surface.SetBrushStyle(BrushStyle::Solid);
    surface.SetBrushColor(background);
    surface.FillRect({x0 - 1, y0 - 1, x0 + w - 1, y0 + h - 1});
  }
  surface.SetFontResolution(rec.DpiX);

  const int blocks = tpl.BarNumInOne();
  const bool stacked = tpl.LabelPutDirection() == 0;
  if (blocks > 1) {
    if (stacked)
      h /= blocks;
    else
      w /= blocks;
  }

  if (show_origin && (x0 > 1 || y0 > 1)) {
    surface.SetPenWidth(1);
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenColor(kColorBlue);
    surface.MoveTo(x0, y0);
    surface.LineTo(x0 + 4, y0);
    surface.MoveTo(x0, y0);
    surface.LineTo(x0, y0 + 4);
  }

  barcode.SetModul(1);
  const int width_at_module_1 = barcode.Width();
  if (width_at_module_1 == 0) {
    barcode.SetText("");
    WriteInvalidDigits(surface, x0, y0, w, h);
    return;
  }

  const int bar_gap = dots.X(tpl.BarGap());
  if (tpl.BarAutoModul())
    barcode.SetModul((w - dots.X(2 * tpl.BarGap())) / width_at_module_1);
  else
    barcode.SetModul(tpl.BarModul());
  barcode.SetColorBar(tpl.BarColor());
  barcode.SetHeight(dots.Y(tpl.BarHeight()));
  const int bar_width = barcode.Width();

  const SurfaceFont up_font = SurfaceFontOf(tpl.UpTextFont());
  const SurfaceFont down_font = SurfaceFontOf(tpl.DownTextFont());
  const SurfaceFont digits_font = SurfaceFontOf(tpl.BarTextFont());
  const int up_row_gap = dots.Y(tpl.UpTextRowGap());
  const int up_bar_gap = dots.Y(tpl.UpTextBarGap());
  const int down_row_gap = dots.Y(tpl.DownTextRowGap());
  const int down_bar_gap = dots.Y(tpl.DownTextBarGap());
  const int digits_gap = dots.Y(tpl.BarTextGap());
  const bool digits_visible = tpl.BarTextVisible();

  // The height of one block, to centre it in its cell.
  int block_height = 0;
  if (!upper.empty()) {
    surface.SetFont(up_font);
    block_height += LinesHeight(surface, upper, up_row_gap) + up_bar_gap;
  }
  block_height += barcode.Height();
  if (digits_visible) {
    surface.SetFont(digits_font);
    block_height += surface.TextHeight(shown) + digits_gap;
  }
  if (!lower.empty()) {
    surface.SetFont(down_font);
    block_height += down_bar_gap + LinesHeight(surface, lower, down_row_gap);
  }

  const RetailLayout* retail = tpl.BarSelfStyle() ? RetailLayoutOf(type) : nullptr;
  const int bar_alignment = tpl.BarAlignment();
  const bool separators = tpl.PrintInternalLine();
  for (int block = 1; block <= blocks; ++block) {
    int y = y0 + (h - block_height) / 2;
    if (!upper.empty()) {
      surface.SetFont(up_font);
      y = WriteLines(surface, upper, tpl.UpTextAlignment(), x0, w, bar_gap, up_row_gap, y) + up_bar_gap;
    }

    surface.SetFont(digits_font);
    switch (bar_alignment) {
      case kLeft:
        barcode.SetLeft(x0 + bar_gap);
        break;
      case kRight:
        barcode.SetLeft(x0 + w - bar_width - bar_gap);
        break;
      case kCentre:
        barcode.SetLeft(x0 + (w - bar_width) / 2);
        break;
      default:
        break;
    }
    barcode.SetTop(y);
    if (barcode.Height() > 0) barcode.Draw(surface);
    y += barcode.Height();

    if (digits_visible) {
      if (retail) {
        DrawRetailDigits(barcode, surface, *retail, bar_width);
      } else {
        y += digits_gap;
        int extra = 0;
        if (tpl.BarTextAutoAdjust()) {
          extra = bar_width - surface.TextWidth(shown);
          if (extra > 0 && shown.size() > 1) extra /= static_cast<int>(shown.size() - 1);
          if (extra < 1)
            extra = 0;
          else
            surface.SetTextExtraSpacing(extra);
        }
        surface.TextOut(barcode.Left() + (bar_width - surface.TextWidth(shown) + extra) / 2, y, shown);
        surface.SetTextExtraSpacing(0);
      }
      y += surface.TextHeight(shown);
    }

    if (!lower.empty()) {
      surface.SetFont(down_font);
      WriteLines(surface, lower, tpl.DownTextAlignment(), x0, w, bar_gap, down_row_gap, y + down_bar_gap);
    }

    if (stacked)
      y0 += h;
    else
      x0 += w;
    if (block < blocks && separators) {
      surface.SetPenWidth(dots.X(0.2));
      surface.SetPenColor(kColorGray);
      surface.SetPenStyle(PenStyle::Dot);
      surface.SetPenMode(PenMode::Copy);
      surface.MoveTo(x0, y0);
      if (stacked)
        surface.LineTo(x0 + w, y0);
      else
        surface.LineTo(x0, y0 + h);
    }
  }
}

}  // namespace tagpress
