#include "barcode/barcode.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

#include "barcode/encoders.h"
#include "platform/rounding.h"
#include "platform/surface.h"

namespace tagpress {
namespace {

struct Symbology {
  void (*Encode)(EncodeJob&);
  double MinRatio;  // lower bound of Ratio, 0 when Ratio is free; the upper bound is 3.0
};

// One row per TBarcodeType member, in member order.
constexpr std::array<Symbology, kBarcodeTypeCount> kSymbologies = {{
    {EncodeInterleaved2of5, 2.0},  // 0
    {EncodeIndustrial2of5, 2.0},   //
    {EncodeMatrix2of5, 2.25},      //
    {EncodeCode39, 2.0},           //
    {EncodeCode39, 2.0},           //
    {EncodeCode128, 0.0},          // 5
    {EncodeCode128, 0.0},          //
    {EncodeCode128, 0.0},          //
    {EncodeCode93, 0.0},           //
    {EncodeCode93, 0.0},           //
    {EncodeMsi, 0.0},              // 10
    {EncodePostNet, 0.0},          //
    {EncodeCodabar, 2.0},          //
    {EncodeEan8, 2.0},             //
    {EncodeEan13, 2.0},            //
    {EncodeUpcA, 2.0},             // 15
    {EncodeUpcE, 2.0},             //
    {EncodeUpcE, 2.0},             //
    {EncodeUpcSupplement2, 2.0},   //
    {EncodeUpcSupplement5, 2.0},   //
    {EncodeCode128, 0.0},          // 20
    {EncodeCode128, 0.0},          //
    {EncodeCode128, 0.0},          //
}};

constexpr double kMaxRatio = 3.0;
// Wider elements than this make no sense on any device; the bound keeps the
// derived widths and their sums far from overflow.
constexpr int kMaxElementWidth = 1 << 20;

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

void TrimBlanksAndControls(std::string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
  if (first >= last) {
    text.clear();
    return;
  }
  text.erase(last, text.end());
  text.erase(text.begin(), first);
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

void TBarcode::SetModul(int dots) {
  if (dots >= 1 && dots <= 49) modul_ = dots;
}

std::string_view TBarcode::TypeName() const {
  return IsKnownBarcodeType(typ_) ? BarcodeTypes[typ_].Name : std::string_view();
}

void TBarcode::ComputeModuleWidths() {
  if (IsKnownBarcodeType(typ_)) {
    const double min_ratio = kSymbologies[typ_].MinRatio;
    if (min_ratio > 0.0) {
      if (ratio_ < min_ratio) ratio_ = min_ratio;
      if (ratio_ > kMaxRatio) ratio_ = kMaxRatio;
    }
  }
  const int wide = std::clamp(RoundToDots(modul_ * ratio_), 1, kMaxElementWidth);
  module_widths_ = {modul_, wide, (3 * wide) / 2, 2 * wide};
}

BarElement TBarcode::ElementOf(char code) {
  const BarElement element = tagpress::ElementOf(code, module_widths_);
  if (!element.Valid) last_error_ = bceBadElement;
  return element;
}

std::string TBarcode::PadLeft(size_t n) const { return tagpress::PadLeft(text_, n); }

std::string TBarcode::ApplyCheckSum(std::string_view text) const {
  return tagpress::ApplyCheckSum(check_sum_method_, text);
}

bool TBarcode::Encode(std::string& pattern) {
  last_error_ = bceNone;
  pattern.clear();
  ComputeModuleWidths();
  if (!IsKnownBarcodeType(typ_)) {
    last_error_ = bceUnknownType;
    return false;
  }
  if (BarcodeTypes[typ_].DigitsOnly) {
    TrimBlanksAndControls(text_);
    if (!std::all_of(text_.begin(), text_.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      last_error_ = bceNotDigits;
      return false;
    }
  }
  EncodeJob job{typ_, text_, checksum_, check_sum_method_, pattern};
  kSymbologies[typ_].Encode(job);
  last_error_ = job.Error;
  return last_error_ == bceNone;
}

int TBarcode::Width() {
  last_error_ = bceNone;
  if (!Encode(pattern_)) return 0;
  std::int64_t width = 0;
  for (const char code : pattern_) {
    const BarElement element = ElementOf(code);
    if (!element.Valid) return 0;
    width += element.Width;
  }
  return ClampToInt(width);
}

bool TBarcode::Draw(Surface& surface) {
  last_error_ = bceNone;
  if (!Encode(pattern_)) return false;
  const SurfaceState saved = surface.SaveState();
  DrawPattern(surface);
  if (show_text_ != bcoNone) DrawLegend(surface);
  surface.RestoreState(saved);
  return last_error_ == bceNone;
}

void TBarcode::DrawPattern(Surface& surface) {
  const double radians = angle_ * std::numbers::pi / 180.0;
  const double cos_a = std::cos(radians);
  const double sin_a = std::sin(radians);
  const auto place = [&](std::int64_t px, std::int64_t py) {
    // Rotated counter-clockwise on a surface whose y axis points down.
    const double x = static_cast<double>(px);
    const double y = static_cast<double>(py);
    return Point{ClampToInt(std::int64_t{left_} + RoundToDots(x * cos_a + y * sin_a)),
                 ClampToInt(std::int64_t{top_} + RoundToDots(-x * sin_a + y * cos_a))};
  };

  surface.SetPenWidth(1);
  surface.SetPenStyle(PenStyle::Solid);
  surface.SetPenMode(PenMode::Copy);
  surface.SetBrushStyle(BrushStyle::Solid);
  const std::int64_t bottom = height_;
  const std::int64_t short_top = bottom - (2 * bottom) / 5;  // short bars share the bottom edge
  bool colour_set = false;
  TColor current = 0;
  std::int64_t x = 0;
  for (const char code : pattern_) {
    const BarElement element = ElementOf(code);
    if (!element.Valid) return;
    const TColor colour = element.Kind == ElementKind::Space ? color_ : color_bar_;
    if (!colour_set || colour != current) {
      surface.SetPenColor(colour);
      surface.SetBrushColor(colour);
      current = colour;
      colour_set = true;
    }
    const std::int64_t top = element.Kind == ElementKind::ShortBar ? short_top : 0;
    const std::int64_t right = x + element.Width - 1;
    const Point corners[4] = {place(x, top), place(x, bottom), place(right, bottom), place(right, top)};
    surface.Polygon(corners);
    x += element.Width;
  }
}

void TBarcode::DrawLegend(Surface& surface) {
  SurfaceFont font = surface.Font();
  font.Size = 4;
  surface.SetFont(font);
  surface.SetPenColor(kColorBlack);
  surface.SetBrushColor(kColorWhite);
  if (show_text_ == bcoCode || show_text_ == bcoBoth) surface.TextOut(left_, top_, text_);
  if (show_text_ == bcoTyp || show_text_ == bcoBoth)
    surface.TextOut(left_, ClampToInt(std::int64_t{top_} + 14), TypeName());
}

}  // namespace tagpress
