#include "app/design_panel.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace tagpress {

namespace {

const QColor kBoxColor(232, 232, 232);
const QColor kCalloutColor(214, 80, 40);

void DrawNumber(QPainter& p, QPointF centre, int number) {
  p.setPen(Qt::NoPen);
  p.setBrush(kCalloutColor);
  p.drawEllipse(centre, 10, 10);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(centre.x() - 10, centre.y() - 10, 20, 20), Qt::AlignCenter, QString::number(number));
}

// The sample label: a title, bars, digits and a description, in `r`.
// Returns the anchor points of the four parts, in call-out order.
std::array<QPointF, 4> DrawSampleLabel(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 6, 6);
  const double line = r.height() / 6;
  QFont font = p.font();
  font.setPixelSize(std::max(9, int(line * 0.7)));
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::black);
  const QRectF title(r.left(), r.top() + line * 0.3, r.width(), line);
  p.drawText(title, Qt::AlignCenter, QStringLiteral("品牌"));
  // Bars of an EAN-13-like rhythm.
  static constexpr int kModules[] = {1, 1, 1, 3, 2, 1, 1, 2, 2, 1, 1, 4, 1, 1, 2, 3, 1, 1, 2, 2, 1, 1, 1,
                                     1, 1, 1, 3, 2, 1, 1, 1, 4, 2, 2, 1, 1, 1, 3, 1, 2, 2, 1, 1, 1, 1};
  int total = 0;
  for (int m : kModules) total += m;
  const QRectF bars(r.left() + r.width() * 0.15, r.top() + line * 1.5, r.width() * 0.7, line * 2.4);
  const double module = bars.width() / total;
  double x = bars.left();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (size_t i = 0; i < std::size(kModules); ++i) {
    if (i % 2 == 0) p.drawRect(QRectF(x, bars.top(), kModules[i] * module, bars.height()));
    x += kModules[i] * module;
  }
  font.setBold(false);
  font.setPixelSize(std::max(8, int(line * 0.6)));
  p.setFont(font);
  p.setPen(Qt::black);
  const QRectF digits(r.left(), bars.bottom(), r.width(), line * 0.9);
  p.drawText(digits, Qt::AlignCenter, QStringLiteral("6 901234 567892"));
  const QRectF lower(r.left(), digits.bottom(), r.width(), line);
  p.drawText(lower, Qt::AlignCenter, QStringLiteral("产品名称"));
  return {title.center() - QPointF(title.width() * 0.12, 0),
          QPointF(bars.right() - module * 6, bars.center().y()),
          digits.center() - QPointF(digits.width() * 0.25, 0),
          lower.center() + QPointF(lower.width() * 0.12, 0)};
}

}  // namespace

QWidget* MakeCalloutBox(int number, const QString& title, QWidget* parent) {
  auto* box = new QWidget(parent);
  box->setAutoFillBackground(true);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, kBoxColor);
  box->setPalette(palette);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(4);
  auto* heading =
      new QLabel(QStringLiteral("<b><font color=\"#d65028\">%1</font> %2</b>").arg(number).arg(title), box);
  layout->addWidget(heading);
  return box;
}

DesignPanel::DesignPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("panelDesign"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void DesignPanel::SetCalloutBoxes(const std::array<QWidget*, 4>& boxes, QWidget* label_area) {
  boxes_ = boxes;
  label_area_ = label_area;
  update();
}

void DesignPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::white);
  if (!label_area_) return;
  const QRect area = label_area_->geometry();
  const double height = std::max(60, area.height() - 8);
  const double width = std::min(area.width() * 0.6, height * 1.6);
  const QRectF label(area.center().x() - width / 2, area.center().y() - height / 2, width, height);
  const std::array<QPointF, 4> anchors = DrawSampleLabel(p, label);
  for (int i = 0; i < 4; ++i) {
    if (!boxes_[i]) continue;
    const QRect box = boxes_[i]->geometry();
    // The call-out line runs from the part of the label to the near corner of its box.
    const bool left = i == 0 || i == 2;
    const bool top = i < 2;
    const QPointF corner(left ? box.right() - 12 : box.left() + 12, top ? box.bottom() : box.top());
    p.setPen(QPen(kCalloutColor, 1.5, Qt::DashLine));
    p.drawLine(anchors[i], corner);
    p.setBrush(kCalloutColor);
    p.setPen(Qt::NoPen);
    p.drawEllipse(anchors[i], 3, 3);
    DrawNumber(p, (anchors[i] + corner) / 2, i + 1);
  }
}

}  // namespace tagpress
