#include "platform/qt/qt_surface.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QVarLengthArray>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/font_substitutions.h"
#include "platform/qt/qt_text.h"

namespace tagpress {
namespace {

QColor ToQColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

// The four corners of an axis-aligned rectangle, in either turning sense.
bool IsAxisAlignedRectangle(std::span<const Point> p) {
  if (p.size() != 4) return false;
  const bool vertical_first = p[0].X == p[1].X && p[1].Y == p[2].Y && p[2].X == p[3].X && p[3].Y == p[0].Y;
  const bool horizontal_first = p[0].Y == p[1].Y && p[1].X == p[2].X && p[2].Y == p[3].Y && p[3].X == p[0].X;
  return vertical_first || horizontal_first;
}

}  // namespace

QtSurface::QtSurface(QPaintDevice& device)
    : own_painter_(std::make_unique<QPainter>(&device)), painter_(own_painter_.get()) {
  Initialise();
}

QtSurface::QtSurface(QPainter& painter) : painter_(&painter) { Initialise(); }

QtSurface::~QtSurface() = default;

void QtSurface::Initialise() {
  InstallFontSubstitutions();
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setBackgroundMode(Qt::TransparentMode);
  if (QPaintDevice* device = painter_->device()) font_resolution_ = device->logicalDpiX();
}

void QtSurface::SetPenWidth(int dots) {
  state_.Pen.Width = dots;
  pen_applied_ = false;
}

void QtSurface::SetPenColor(TColor color) {
  state_.Pen.Color = color;
  pen_applied_ = false;
}

void QtSurface::SetPenStyle(PenStyle style) {
  state_.Pen.Style = style;
  pen_applied_ = false;
}

void QtSurface::SetPenMode(PenMode mode) { state_.Pen.Mode = mode; }

void QtSurface::SetBrushColor(TColor color) { state_.Brush.Color = color; }

void QtSurface::SetBrushStyle(BrushStyle style) { state_.Brush.Style = style; }

void QtSurface::SetFont(const SurfaceFont& font) {
  if (font == state_.Font) return;
  state_.Font = font;
  font_applied_ = false;
}

void QtSurface::SetFontResolution(int dots_per_inch) {
  if (dots_per_inch == font_resolution_) return;
  font_resolution_ = dots_per_inch;
  font_applied_ = false;
}

void QtSurface::SetTextExtraSpacing(int dots) {
  // The spacing is applied character by character, not through the font, so
  // the font stays as it is.
  extra_spacing_ = dots;
}

void QtSurface::RestoreState(const SurfaceState& state) {
  if (!(state.Font == state_.Font)) font_applied_ = false;
  state_ = state;
  pen_applied_ = false;
}

void QtSurface::ApplyPen() {
  if (pen_applied_) return;
  // A flat cap makes a line stop before its end point.
  QPen pen(ToQColor(state_.Pen.Color), std::max(state_.Pen.Width, 1),
           state_.Pen.Style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  painter_->setPen(pen);
  pen_applied_ = true;
}

const QFont& QtSurface::CurrentFont() {
  if (!font_applied_) {
    const SurfaceFont& wanted = state_.Font;
    font_ = QFont(QStringFromGbk(wanted.Name));
    font_.setPixelSize(FontHeightInDots(wanted.Size, font_resolution_));
    font_.setBold(wanted.Bold);
    font_.setItalic(wanted.Italic);
    font_.setUnderline(wanted.Underline);
    font_.setStrikeOut(wanted.StrikeOut);
    font_applied_ = true;
  }
  return font_;
}

void QtSurface::FillRect(const Rect& rect) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  painter_->fillRect(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
                     ToQColor(state_.Brush.Color));
}

void QtSurface::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  if (state_.Pen.Color == state_.Brush.Color && state_.Pen.Width <= 1 &&
      state_.Pen.Style == PenStyle::Solid && IsAxisAlignedRectangle(points)) {
    // Outline and fill in one colour: the rectangle of dots from corner to
    // corner, both included. Much faster than the general path.
    const auto [min_x, max_x] = std::minmax({points[0].X, points[2].X});
    const auto [min_y, max_y] = std::minmax({points[0].Y, points[2].Y});
    painter_->fillRect(QRect(min_x, min_y, max_x - min_x + 1, max_y - min_y + 1), ToQColor(state_.Pen.Color));
    return;
  }
  ApplyPen();
  painter_->setBrush(ToQColor(state_.Brush.Color));
  QVarLengthArray<QPoint, 8> corners;
  for (const Point& point : points) corners.append(QPoint(point.X, point.Y));
  painter_->drawPolygon(corners.constData(), static_cast<int>(corners.size()), Qt::OddEvenFill);
}

void QtSurface::MoveTo(int x, int y) { position_ = {x, y}; }

void QtSurface::LineTo(int x, int y) {
  ApplyPen();
  painter_->drawLine(position_.X, position_.Y, x, y);
  position_ = {x, y};
}

void QtSurface::DrawTextAt(int x, int y, std::string_view text) {
  const QFont& font = CurrentFont();
  painter_->setFont(font);
  painter_->setPen(ToQColor(state_.Font.Color));
  pen_applied_ = false;
  const QFontMetrics metrics(font, painter_->device());
  const int baseline = y + metrics.ascent();
  const QString string = QStringFromGbk(text);
  if (extra_spacing_ == 0) {
    painter_->drawText(QPoint(x, baseline), string);
    return;
  }
  // Extra spacing follows every character, as the original toolkit spaces
  // text; each character is placed by hand so that pictures and printers
  // replay it exactly.
  for (qsizetype i = 0; i < string.size();) {
    const qsizetype length = string.at(i).isHighSurrogate() && i + 1 < string.size() ? 2 : 1;
    const QString character = string.mid(i, length);
    painter_->drawText(QPoint(x, baseline), character);
    x += metrics.horizontalAdvance(character) + extra_spacing_;
    i += length;
  }
}

void QtSurface::TextOut(int x, int y, std::string_view text) {
  FillRect({x, y, x + TextWidth(text), y + TextHeight(text)});
  DrawTextAt(x, y, text);
}

void QtSurface::TextRect(const Rect& rect, int x, int y, std::string_view text) {
  FillRect(rect);
  painter_->save();
  painter_->setClipRect(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
                        Qt::IntersectClip);
  DrawTextAt(x, y, text);
  painter_->restore();
}

int QtSurface::TextWidth(std::string_view text) {
  const QFontMetrics metrics(CurrentFont(), painter_->device());
  const QString string = QStringFromGbk(text);
  int width = metrics.horizontalAdvance(string);
  if (extra_spacing_ != 0) {
    qsizetype characters = 0;
    for (qsizetype i = 0; i < string.size(); ++i)
      if (!string.at(i).isLowSurrogate()) ++characters;
    width += static_cast<int>(characters) * extra_spacing_;
  }
  return width;
}

int QtSurface::TextHeight(std::string_view) {
  QFontMetrics metrics(CurrentFont(), painter_->device());
  return metrics.height();
}

}  // namespace tagpress
