#include "app/control_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVariant>

#include "app/color_combo.h"
#include "app/mm_edit.h"
#include "platform/qt/qt_text.h"
#include "template/line_list.h"
#include "template/template_keys.h"

namespace tagpress {

namespace {

void WriteIntKey(TBarcodeFile& store, std::string_view key, int value) {
  const TemplateKey* entry = FindTemplateKey(key);
  if (entry && entry->type == KeyType::Byte) value &= 0xFF;
  if (entry && entry->type == KeyType::Word) value &= 0xFFFF;
  store.WriteInt(key, value);
}

// Memo lines; a final line break does not start another line.
LineList MemoLines(const QPlainTextEdit& memo) {
  QString text = memo.toPlainText();
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  LineList lines;
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(GbkFromQString(line));
  return lines;
}

QString MemoText(const std::string& line_list) {
  QStringList lines;
  for (const std::string& line : LineListToLines(line_list)) lines << QStringFromGbk(line);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

int TagOf(const QObject& control) { return control.property("Tag").toInt(); }

void SetTag(QObject& control, int tag) { control.setProperty("Tag", tag); }

void NameControl(QWidget& control, const char* name, int tag, const char* hint) {
  control.setObjectName(QString::fromUtf8(name));
  if (tag != 0) SetTag(control, tag);
  if (hint && *hint) {
    control.setToolTip(QString::fromUtf8(hint));
    control.setStatusTip(QString::fromUtf8(hint));
  }
}

void WriteControlToKey(QWidget& control, TBarcodeFile& store, const ControlBinding& b) {
  if (auto* mm = qobject_cast<MmEdit*>(&control)) {
    mm->CommitText();
    store.WriteReal(b.Key, mm->value());
  } else if (auto* spin = qobject_cast<QSpinBox*>(&control)) {
    WriteIntKey(store, b.Key, spin->value());
  } else if (auto* color = qobject_cast<ColorCombo*>(&control)) {
    store.WriteInt(b.Key, color->Value());
  } else if (auto* list = qobject_cast<QComboBox*>(&control)) {
    WriteIntKey(store, b.Key, list->currentIndex());
  } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
    store.WriteBool(b.Key, check->isChecked() != b.Inverted);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
    store.WriteText(b.Key, GbkFromQString(edit->text()));
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
    store.WriteText(b.Key, LinesToLineList(MemoLines(*memo)));
  }
}

void ReadKeyIntoControl(const TBarcodeFile& store, QWidget& control, const ControlBinding& b) {
  if (auto* mm = qobject_cast<MmEdit*>(&control)) {
    mm->setValue(store.ReadReal(b.Key));
  } else if (auto* spin = qobject_cast<QSpinBox*>(&control)) {
    spin->setValue(store.ReadInt(b.Key));
  } else if (auto* color = qobject_cast<ColorCombo*>(&control)) {
    color->SetValue(store.ReadInt(b.Key));
  } else if (auto* list = qobject_cast<QComboBox*>(&control)) {
    const int index = store.ReadInt(b.Key);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
    check->setChecked(store.ReadBool(b.Key) != b.Inverted);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
    edit->setText(QStringFromGbk(store.ReadText(b.Key)));
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
    memo->setPlainText(MemoText(store.ReadText(b.Key)));
  }
}

void ConnectChange(QWidget& control, QObject& context, const std::function<void()>& changed,
                   const std::function<std::optional<TColor>(TColor)>& choose_color) {
  if (auto* mm = qobject_cast<MmEdit*>(&control)) {
    QObject::connect(mm, &MmEdit::valueChanged, &context, changed);
  } else if (auto* spin = qobject_cast<QSpinBox*>(&control)) {
    QObject::connect(spin, &QSpinBox::valueChanged, &context, changed);
  } else if (auto* color = qobject_cast<ColorCombo*>(&control)) {
    color->SetColorChooser(choose_color);
    QObject::connect(color, &ColorCombo::ValueChanged, &context, changed);
  } else if (auto* list = qobject_cast<QComboBox*>(&control)) {
    QObject::connect(list, &QComboBox::currentIndexChanged, &context, changed);
  } else if (auto* check = qobject_cast<QCheckBox*>(&control)) {
    QObject::connect(check, &QCheckBox::toggled, &context, changed);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
    QObject::connect(edit, &QLineEdit::textChanged, &context, changed);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&control)) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, &context, changed);
  }
}

}  // namespace tagpress
