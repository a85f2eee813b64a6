#include "platform/recording_surface.h"

#include "platform/text_codec.h"

namespace tagpress {

RecordingSurface::RecordingSurface(int font_resolution) : font_resolution_(font_resolution) {}

std::vector<SurfaceCall> RecordingSurface::CallsOf(SurfaceCallKind kind) const {
  std::vector<SurfaceCall> found;
  for (const SurfaceCall& call : calls_) {
    if (call.Kind == kind) found.push_back(call);
  }
  return found;
}

SurfaceCall& RecordingSurface::Record(SurfaceCallKind kind, int value) {
  SurfaceCall& call = calls_.emplace_back();
  call.Kind = kind;
  call.Value = value;
  call.State = state_;
  call.ExtraSpacing = extra_spacing_;
  call.FontResolution = font_resolution_;
  return call;
}

void RecordingSurface::SetPenWidth(int dots) {
  state_.Pen.Width = dots;
  Record(SurfaceCallKind::SetPenWidth, dots);
}

void RecordingSurface::SetPenColor(TColor color) {
  state_.Pen.Color = color;
  Record(SurfaceCallKind::SetPenColor, color);
}

void RecordingSurface::SetPenStyle(PenStyle style) {
  state_.Pen.Style = style;
  Record(SurfaceCallKind::SetPenStyle, static_cast<int>(style));
}

void RecordingSurface::SetPenMode(PenMode mode) {
  state_.Pen.Mode = mode;
  Record(SurfaceCallKind::SetPenMode, static_cast<int>(mode));
}

void RecordingSurface::SetBrushColor(TColor color) {
  state_.Brush.Color = color;
  Record(SurfaceCallKind::SetBrushColor, color);
}

void RecordingSurface::SetBrushStyle(BrushStyle style) {
  state_.Brush.Style = style;
  Record(SurfaceCallKind::SetBrushStyle, static_cast<int>(style));
}

void RecordingSurface::SetFont(const SurfaceFont& font) {
  state_.Font = font;
  Record(SurfaceCallKind::SetFont, font.Size);
}

void RecordingSurface::SetFontResolution(int dots_per_inch) {
  font_resolution_ = dots_per_inch;
  Record(SurfaceCallKind::SetFontResolution, dots_per_inch);
}

void RecordingSurface::FillRect(const Rect& rect) { Record(SurfaceCallKind::FillRect).Area = rect; }

void RecordingSurface::Polygon(std::span<const Point> points) {
  Record(SurfaceCallKind::Polygon).Points.assign(points.begin(), points.end());
}

void RecordingSurface::MoveTo(int x, int y) {
  position_ = {x, y};
  Record(SurfaceCallKind::MoveTo).Points = {position_};
}

void RecordingSurface::LineTo(int x, int y) {
  Record(SurfaceCallKind::LineTo).Points = {position_, {x, y}};
  position_ = {x, y};
}

void RecordingSurface::TextOut(int x, int y, std::string_view text) {
  SurfaceCall& call = Record(SurfaceCallKind::TextOut);
  call.Points = {{x, y}};
  call.Text = text;
}

void RecordingSurface::TextRect(const Rect& rect, int x, int y, std::string_view text) {
  SurfaceCall& call = Record(SurfaceCallKind::TextRect);
  call.Points = {{x, y}};
  call.Area = rect;
  call.Text = text;
}

int RecordingSurface::TextWidth(std::string_view text) {
  const int height = FontHeightInDots(state_.Font.Size, font_resolution_);
  const int byte_width = height / 2 > 0 ? height / 2 : 1;
  int characters = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
    ++characters;
  }
  return static_cast<int>(text.size()) * byte_width + characters * extra_spacing_;
}

int RecordingSurface::TextHeight(std::string_view) {
  return FontHeightInDots(state_.Font.Size, font_resolution_);
}

void RecordingSurface::SetTextExtraSpacing(int dots) {
  extra_spacing_ = dots;
  Record(SurfaceCallKind::SetTextExtraSpacing, dots);
}

void RecordingSurface::RestoreState(const SurfaceState& state) {
  state_ = state;
  Record(SurfaceCallKind::RestoreState);
}

}  // namespace tagpress
