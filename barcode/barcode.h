#pragma once
// TBarcode: turns a text and a symbology into bars on a drawing surface.
//
// Encoding runs in two stages: an encoder of the chosen symbology turns the
// text into a bar pattern (pattern.h), then one drawing routine turns the
// pattern into filled polygons, with element widths derived from Modul and
// Ratio and an optional rotation. Every Width and Draw encodes afresh from
// Text; errors are reported through LastError and the results, never thrown.

#include <string>
#include <string_view>

#include "barcode/barcode_types.h"
#include "barcode/pattern.h"
#include "platform/color.h"

namespace tagpress {

class Surface;

class TBarcode {
 public:
  TBarcode() = default;

  // Properties.
  int Height() const { return height_; }
  void SetHeight(int dots) { height_ = dots; }
  const std::string& Text() const { return text_; }
  void SetText(std::string_view text) { text_.assign(text); }
  int Top() const { return top_; }
  void SetTop(int dots) { top_ = dots; }
  int Left() const { return left_; }
  void SetLeft(int dots) { left_ = dots; }
  int Modul() const { return modul_; }
  void SetModul(int dots);  // 1 to 49; other values are ignored
  double Ratio() const { return ratio_; }
  void SetRatio(double ratio) { ratio_ = ratio; }
  TBarcodeType Typ() const { return typ_; }
  void SetTyp(TBarcodeType typ) { typ_ = typ; }
  bool Checksum() const { return checksum_; }
  void SetChecksum(bool on) { checksum_ = on; }
  TCheckSumMethod CheckSumMethod() const { return check_sum_method_; }
  void SetCheckSumMethod(TCheckSumMethod method) { check_sum_method_ = method; }
  double Angle() const { return angle_; }
  void SetAngle(double degrees) { angle_ = degrees; }
  TBarcodeOption ShowText() const { return show_text_; }
  void SetShowText(TBarcodeOption option) { show_text_ = option; }
  TColor Color() const { return color_; }  // spaces
  void SetColor(TColor color) { color_ = color; }
  TColor ColorBar() const { return color_bar_; }  // bars
  void SetColorBar(TColor color) { color_bar_ = color; }
  int LastError() const { return last_error_; }
  // ModuleWidth[1..4], in dots, as of the last encode.
  int ModuleWidth(int index) const { return module_widths_[static_cast<size_t>(index - 1)]; }

  // Encodes and returns the symbol's width in dots, 0 when Text cannot be
  // encoded. Like Encode it may normalise Text and clamp Ratio.
  int Width();

  // Turns Text into a bar pattern; false with LastError set on failure.
  // Digits-only symbologies trim blanks and control characters off Text.
  bool Encode(std::string& pattern);

  // Encodes and draws the symbol with its top-left origin at (Left, Top);
  // leaves the surface's pen, brush and font as they were. False on failure;
  // the surface is untouched when the text cannot be encoded.
  bool Draw(Surface& surface);

  // The Name of Typ in BarcodeTypes; empty for a value outside the table.
  std::string_view TypeName() const;

  // Helpers shared with the encoders.
  void ComputeModuleWidths();
  BarElement ElementOf(char code);  // sets LastError 105 for a code outside the alphabet
  std::string PadLeft(size_t n) const;
  std::string ApplyCheckSum(std::string_view text) const;

 private:
  void DrawPattern(Surface& surface);
  void DrawLegend(Surface& surface);

  int last_error_ = bceNone;
  int height_ = 0;
  std::string text_;
  int top_ = 0;
  int left_ = 0;
  int modul_ = 1;
  double ratio_ = 2.0;
  TBarcodeType typ_ = bcCodeEAN13;
  bool checksum_ = false;
  TBarcodeOption show_text_ = bcoNone;
  double angle_ = 0.0;
  TColor color_ = kColorWhite;
  TColor color_bar_ = kColorBlack;
  TCheckSumMethod check_sum_method_ = csmModulo10;
  ModuleWidths module_widths_ = {1, 2, 3, 4};
  std::string pattern_;  // reused by Width and Draw
};

}  // namespace tagpress
