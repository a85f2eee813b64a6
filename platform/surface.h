#pragma once
// The drawing surface: the canvas that the barcode object, the label
// renderer, the page composer and the image export draw on. A surface is a
// window's paint box, a page of the preview document or a bitmap; all of them
// are addressed in dots (device pixels) with y pointing down.
//
// Texts are core text (GBK bytes). Rectangles exclude their right and bottom
// edges.

#include <span>
#include <string>
#include <string_view>

#include "platform/color.h"

namespace tagpress {

struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;   // exclusive
  int Bottom = 0;  // exclusive
  bool operator==(const Rect&) const = default;
};

enum class PenStyle : unsigned char { Solid, Dot };
enum class PenMode : unsigned char { Copy };
enum class BrushStyle : unsigned char { Solid };

struct SurfacePen {
  int Width = 1;  // dots
  TColor Color = kColorBlack;
  PenStyle Style = PenStyle::Solid;
  PenMode Mode = PenMode::Copy;
  bool operator==(const SurfacePen&) const = default;
};

struct SurfaceBrush {
  TColor Color = kColorWhite;
  BrushStyle Style = BrushStyle::Solid;
  bool operator==(const SurfaceBrush&) const = default;
};

// A font as the surface takes it over from a font object. The size is in
// points; the surface turns it into dots with its font resolution.
struct SurfaceFont {
  std::string Name = "Arial";  // face name, GBK
  int Size = 8;                // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  TColor Color = kColorBlack;
  bool operator==(const SurfaceFont&) const = default;
};

// What SaveState keeps and RestoreState puts back.
struct SurfaceState {
  SurfacePen Pen;
  SurfaceBrush Brush;
  SurfaceFont Font;
  bool operator==(const SurfaceState&) const = default;
};

// Character height in dots of a font of `points` at `dots_per_inch`:
// points × resolution ÷ 72, rounded (halves away from zero), at least 1.
int FontHeightInDots(int points, int dots_per_inch);

class Surface {
 public:
  virtual ~Surface() = default;

  // Pen: outlines of polygons and lines.
  virtual void SetPenWidth(int dots) = 0;
  virtual void SetPenColor(TColor color) = 0;
  virtual void SetPenStyle(PenStyle style) = 0;
  virtual void SetPenMode(PenMode mode) = 0;

  // Brush: fills, and the opaque cell behind text.
  virtual void SetBrushColor(TColor color) = 0;
  virtual void SetBrushStyle(BrushStyle style) = 0;

  // Font, applied at the font resolution (dots per inch).
  virtual void SetFont(const SurfaceFont& font) = 0;
  virtual const SurfaceFont& Font() const = 0;
  virtual void SetFontResolution(int dots_per_inch) = 0;

  // Shapes. Polygon outlines with the pen and fills with the brush (even-odd
  // rule). LineTo draws from the current position and excludes the end point,
  // which becomes the current position.
  virtual void FillRect(const Rect& rect) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;

  // Text. TextOut writes with its top-left corner at (x, y) on an opaque cell
  // in the brush colour; TextRect fills `rect` with the brush colour, then
  // writes at (x, y) clipped to `rect`. Widths include the extra spacing
  // that follows every character.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual void TextRect(const Rect& rect, int x, int y, std::string_view text) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  virtual void SetTextExtraSpacing(int dots) = 0;

  // Pen, brush and font together.
  virtual SurfaceState SaveState() const = 0;
  virtual void RestoreState(const SurfaceState& state) = 0;
};

}  // namespace tagpress
