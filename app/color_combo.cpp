#include "app/color_combo.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace tagpress {

namespace {

struct NamedColor {
  TColor color;
  const char* name;  // UTF-8
};

// The standard colours of the original colour combo, in its order.
constexpr std::array<NamedColor, 16> kStandardColors = {{
    {0x000000, "黑色"},
    {0x000080, "栗色"},
    {0x008000, "绿色"},
    {0x008080, "橄榄色"},
    {0x800000, "深蓝色"},
    {0x800080, "紫色"},
    {0x808000, "蓝绿色"},
    {0x808080, "灰色"},
    {0xC0C0C0, "银色"},
    {0x0000FF, "红色"},
    {0x00FF00, "酸橙色"},
    {0x00FFFF, "黄色"},
    {0xFF0000, "蓝色"},
    {0xFF00FF, "紫红色"},
    {0xFFFF00, "浅绿色"},
    {0xFFFFFF, "白色"},
}};

constexpr int kColorRole = Qt::UserRole;

QIcon Swatch(TColor color) {
  QPixmap pixmap(16, 12);
  pixmap.fill(QColor(RedOf(color), GreenOf(color), BlueOf(color)));
  QPainter painter(&pixmap);
  painter.setPen(Qt::darkGray);
  painter.drawRect(0, 0, 15, 11);
  return QIcon(pixmap);
}

}  // namespace

ColorCombo::ColorCombo(QWidget* parent) : QComboBox(parent) {
  for (const NamedColor& entry : kStandardColors)
    addItem(Swatch(entry.color), QString::fromUtf8(entry.name), entry.color);
  addItem(QStringLiteral("自定义..."));
  setCurrentIndex(0);
  connect(this, &QComboBox::activated, this, &ColorCombo::OnActivated);
  connect(this, &QComboBox::currentIndexChanged, this, &ColorCombo::OnIndexChanged);
}

TColor ColorCombo::Value() const { return value_; }

int ColorCombo::IndexOf(TColor color) const {
  for (int i = 0; i < CustomEntryIndex(); ++i)
    if (itemData(i, kColorRole).toInt() == color) return i;
  return -1;
}

void ColorCombo::SetValue(TColor color) {
  int index = IndexOf(color);
  if (index < 0) {
    index = CustomEntryIndex();
    insertItem(index, Swatch(color), QColor(RedOf(color), GreenOf(color), BlueOf(color)).name().toUpper(),
               color);
  }
  const bool changed = color != value_;
  value_ = color;
  {
    const QSignalBlocker block(this);
    setCurrentIndex(index);
  }
  if (changed) emit ValueChanged(value_);
}

void ColorCombo::OnActivated(int index) {
  if (index != CustomEntryIndex()) return;
  std::optional<TColor> chosen = chooser_ ? chooser_(value_) : std::nullopt;
  if (chosen)
    SetValue(*chosen);
  else
    SetValue(value_);  // back to the entry of the current colour
}

void ColorCombo::OnIndexChanged(int index) {
  if (index < 0 || index == CustomEntryIndex()) return;
  const TColor color = itemData(index, kColorRole).toInt();
  if (color == value_) return;
  value_ = color;
  emit ValueChanged(value_);
}

}  // namespace tagpress
