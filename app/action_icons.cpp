#include "app/action_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace tagpress {

namespace {

constexpr int kSize = 32;

void Sheet(QPainter& p, const QColor& fill = Qt::white) {
  QPainterPath path;
  path.moveTo(7, 3);
  path.lineTo(20, 3);
  path.lineTo(26, 9);
  path.lineTo(26, 29);
  path.lineTo(7, 29);
  path.closeSubpath();
  p.setPen(QPen(QColor(70, 70, 70), 1.5));
  p.setBrush(fill);
  p.drawPath(path);
  p.drawLine(QPointF(20, 3), QPointF(20, 9));
  p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void Bars(QPainter& p, QRectF area, const QColor& color = Qt::black) {
  static constexpr int kWidths[] = {2, 1, 1, 2, 1, 3, 1, 1, 2, 1, 2};
  double x = area.left();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  for (int i = 0; i < static_cast<int>(std::size(kWidths)) && x < area.right(); ++i) {
    if (i % 2 == 0) p.drawRect(QRectF(x, area.top(), kWidths[i], area.height()));
    x += kWidths[i] + 0.5;
  }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
  p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
  const QPointF n(-d.y(), d.x());
  QPolygonF head;
  head << to + d * 3 << to - d * 4 + n * 5 << to - d * 4 - n * 5;
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(head);
}

void Badge(QPainter& p, const QString& text, const QColor& color) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(QRectF(4, 4, 24, 24));
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(16);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, text);
}

void Printer(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 4, 14, 10));
  p.setBrush(QColor(150, 150, 160));
  p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 20, 14, 9));
  Bars(p, QRectF(11, 22, 10, 5));
}

}  // namespace

QIcon DrawActionIcon(ActionIcon icon) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor blue(30, 100, 200), green(40, 150, 60), red(200, 50, 40);
  switch (icon) {
    case ActionIcon::New:
      Sheet(p);
      Bars(p, QRectF(10, 14, 13, 9));
      break;
    case ActionIcon::Open:
      p.setPen(QPen(QColor(150, 110, 20), 1.5));
      p.setBrush(QColor(240, 200, 90));
      p.drawRect(QRectF(3, 9, 26, 18));
      p.setBrush(QColor(250, 220, 120));
      p.drawPolygon(QPolygonF({QPointF(3, 27), QPointF(8, 14), QPointF(31, 14), QPointF(29, 27)}));
      break;
    case ActionIcon::Save:
    case ActionIcon::SaveAs:
      p.setPen(QPen(QColor(20, 50, 110), 1.5));
      p.setBrush(blue);
      p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 4, 14, 9));
      p.setBrush(QColor(210, 210, 210));
      p.drawRect(QRectF(8, 18, 16, 10));
      if (icon == ActionIcon::SaveAs) Arrow(p, QPointF(14, 23), QPointF(27, 23), green);
      break;
    case ActionIcon::Quit:
      p.setPen(QPen(QColor(90, 60, 30), 1.5));
      p.setBrush(QColor(200, 150, 90));
      p.drawRect(QRectF(6, 3, 14, 26));
      Arrow(p, QPointF(14, 16), QPointF(28, 16), red);
      break;
    case ActionIcon::Preview:
      Sheet(p);
      Bars(p, QRectF(10, 8, 9, 7));
      p.setPen(QPen(QColor(60, 60, 60), 3));
      p.setBrush(QColor(200, 230, 255, 200));
      p.drawEllipse(QRectF(11, 14, 11, 11));
      p.drawLine(QPointF(21, 24), QPointF(28, 30));
      break;
    case ActionIcon::Print:
      Printer(p);
      break;
    case ActionIcon::ImportData:
      Sheet(p);
      Arrow(p, QPointF(2, 16), QPointF(15, 16), green);
      break;
    case ActionIcon::OutputData:
      Sheet(p);
      Arrow(p, QPointF(14, 16), QPointF(29, 16), blue);
      break;
    case ActionIcon::RealEdit:
      Sheet(p);
      p.setPen(QPen(QColor(120, 120, 120), 1));
      for (int y = 12; y <= 24; y += 4) p.drawLine(10, y, 23, y);
      p.setPen(QPen(QColor(220, 160, 30), 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(14, 27), QPointF(28, 13));
      break;
    case ActionIcon::ExportBarcode:
      p.setPen(QPen(QColor(60, 60, 60), 1.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(3, 5, 22, 18));
      Bars(p, QRectF(6, 8, 16, 12));
      Arrow(p, QPointF(18, 26), QPointF(29, 26), green);
      break;
    case ActionIcon::UserNeed:
      Badge(p, QStringLiteral("!"), QColor(230, 150, 20));
      break;
    case ActionIcon::About:
      Badge(p, QStringLiteral("i"), blue);
      break;
    case ActionIcon::Web:
      p.setPen(QPen(blue, 2));
      p.setBrush(QColor(220, 235, 255));
      p.drawEllipse(QRectF(4, 4, 24, 24));
      p.drawEllipse(QRectF(11, 4, 10, 24));
      p.drawLine(4, 16, 28, 16);
      break;
    case ActionIcon::Help:
      Badge(p, QStringLiteral("?"), green);
      break;
  }
  return QIcon(pixmap);
}

}  // namespace tagpress
