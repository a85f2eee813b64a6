#pragma once
// A surface that draws nothing and records every call, with the pen, brush
// and font in force, so tests can assert positions and colours in dots.
//
// Text metrics are deterministic and font-independent: a text is as high as
// its font (points × resolution ÷ 72 dots), and every byte is half that
// height wide (a two-byte GBK character is as wide as it is high); the extra
// spacing is added once per character.

#include <string>
#include <vector>

#include "platform/surface.h"

namespace tagpress {

enum class SurfaceCallKind {
  SetPenWidth,
  SetPenColor,
  SetPenStyle,
  SetPenMode,
  SetBrushColor,
  SetBrushStyle,
  SetFont,
  SetFontResolution,
  FillRect,
  Polygon,
  MoveTo,
  LineTo,
  TextOut,
  TextRect,
  SetTextExtraSpacing,
  RestoreState,
};

struct SurfaceCall {
  SurfaceCallKind Kind{};
  std::vector<Point> Points;  // Polygon: corners; MoveTo, TextOut, TextRect: the point;
                              // LineTo: start and end
  Rect Area;                  // FillRect, TextRect
  std::string Text;           // TextOut, TextRect
  int Value = 0;              // the argument of the setters
  SurfaceState State;         // pen, brush and font after the call
  int ExtraSpacing = 0;
  int FontResolution = 0;
};

class RecordingSurface : public Surface {
 public:
  explicit RecordingSurface(int font_resolution = 96);

  const std::vector<SurfaceCall>& Calls() const { return calls_; }
  std::vector<SurfaceCall> CallsOf(SurfaceCallKind kind) const;
  void ClearCalls() { calls_.clear(); }
  int FontResolution() const { return font_resolution_; }
  int ExtraSpacing() const { return extra_spacing_; }
  Point Position() const { return position_; }

  void SetPenWidth(int dots) override;
  void SetPenColor(TColor color) override;
  void SetPenStyle(PenStyle style) override;
  void SetPenMode(PenMode mode) override;
  void SetBrushColor(TColor color) override;
  void SetBrushStyle(BrushStyle style) override;
  void SetFont(const SurfaceFont& font) override;
  const SurfaceFont& Font() const override { return state_.Font; }
  void SetFontResolution(int dots_per_inch) override;
  void FillRect(const Rect& rect) override;
  void Polygon(std::span<const Point> points) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void TextOut(int x, int y, std::string_view text) override;
  void TextRect(const Rect& rect, int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void SetTextExtraSpacing(int dots) override;
  SurfaceState SaveState() const override { return state_; }
  void RestoreState(const SurfaceState& state) override;

 private:
  SurfaceCall& Record(SurfaceCallKind kind, int value = 0);

  SurfaceState state_;
  int font_resolution_;
  int extra_spacing_ = 0;
  Point position_;
  std::vector<SurfaceCall> calls_;
};

}  // namespace tagpress
