#pragma once
// The drawing surface over a QPainter, on any paint device: a QImage for
// bitmaps, a QPicture for recorded pages, a widget in its paint event, a
// printer. Painting is aliased, so shapes cover exactly the dots the surface
// rules name: a polygon covers its outline and interior, a line leaves out
// its end point.

#include <QFont>
#include <memory>

#include "platform/surface.h"

class QPainter;
class QPaintDevice;

namespace tagpress {

class QtSurface : public Surface {
 public:
  // Paints on `device` with a painter of its own, ended with the surface.
  // The font resolution starts at the device's horizontal resolution.
  explicit QtSurface(QPaintDevice& device);
  // Paints through a painter that the caller owns and has begun.
  explicit QtSurface(QPainter& painter);
  ~QtSurface() override;

  QtSurface(const QtSurface&) = delete;
  QtSurface& operator=(const QtSurface&) = delete;

  QPainter& Painter() { return *painter_; }
  int FontResolution() const { return font_resolution_; }

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
  void Initialise();
  void ApplyPen();
  const QFont& CurrentFont();
  void DrawTextAt(int x, int y, std::string_view text);

  std::unique_ptr<QPainter> own_painter_;
  QPainter* painter_;
  SurfaceState state_;
  int font_resolution_ = 96;
  int extra_spacing_ = 0;
  Point position_;
  bool pen_applied_ = false;
  bool font_applied_ = false;
  QFont font_;
};

}  // namespace tagpress
