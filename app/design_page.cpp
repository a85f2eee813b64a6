#include "app/design_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/color_combo.h"
#include "app/control_binding.h"
#include "app/design_panel.h"
#include "app/mm_edit.h"
#include "app/window_dialogs.h"
#include "barcode/barcode_types.h"
#include "platform/qt/qt_text.h"
#include "render/dots.h"

namespace tagpress {

namespace {

// The design controls and their keys, by Tag.
const ControlBinding kDesignBindings[] = {
    {100, "edtUpTextRowGap", "UpTextRowGap"},
    {101, "edtUpTextBarGap", "UpTextBarGap"},
    {102, "cbbUpTextAlignment", "UpTextAlignment"},
    {103, "memUpText", "UpText"},
    {200, "cbbBarType", "BarType"},
    {201, "edtBarHeight", "BarHeight"},
    {202, "cbBarAutoModul", "BarAutoModul"},
    {203, "edtBarModul", "BarModul"},
    {204, "edtBarGap", "BarGap"},
    {205, "ccbbBarColor", "BarColor"},
    {206, "cbbBarcodeAlignment", "BarAlignment"},
    {207, "cbBarSelfStyle", "BarSelfStyle"},
    {300, "edtBarTextGap", "BarTextGap"},
    {301, "cbBarTextVisible", "BarTextVisible"},
    {302, "edtBarLeftDecorate", "BarTextLeftDecorate"},
    {303, "edtBarTextStart", "BarTextStart"},
    {304, "edtBarRightDecorate", "BarTextRightDecorate"},
    {305, "cbBarTextAutoAdjust", "BarTextAutoAdjust"},
    {306, "cbBarTextChecksum", "BarTextChecksum"},
    {400, "edtDownTextRowGap", "DownTextRowGap"},
    {401, "edtDownTextBarGap", "DownTextBarGap"},
    {402, "cbbDownTextAlignment", "DownTextAlignment"},
    {403, "memDownText", "DownText"},
    {500, "edtLabelWidth", "LabelWidth"},
    {501, "edtLabelHeight", "LabelHeight"},
    {502, "edtBarNumInOne", "BarNumInOne"},
    {503, "cbbLabelPutDirection", "LabelPutDirection"},
    {504, "cbPrintInternalLine", "PrintInternalLine"},
    {505, "edtLabelLeft", "LabelLeft"},
    {506, "edtLabelTop", "LabelTop"},
    {601, "cbHasBgColor", "HasBackgroundColor", true},
    {602, "ccbBgColor", "BackgroundColor"},
};

enum FontTag { kUpTextFont = 109, kBarTextFont = 309, kDownTextFont = 409 };

QComboBox* FixedList(QWidget* parent, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->addItems(items);
  return combo;
}

QStringList AlignmentItems() {
  return {QStringLiteral("左对齐"), QStringLiteral("右对齐"), QStringLiteral("居中")};
}

QPlainTextEdit* Memo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setFixedHeight(64);
  return memo;
}

QLineEdit* CentredEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

QFormLayout* FormIn(QWidget* box) {
  auto* form = new QFormLayout;
  form->setContentsMargins(0, 0, 0, 0);
  form->setSpacing(4);
  static_cast<QVBoxLayout*>(box->layout())->addLayout(form);
  return form;
}

QWidget* Row(QWidget* parent, std::initializer_list<QWidget*> widgets) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  for (QWidget* w : widgets) layout->addWidget(w);
  return row;
}

}  // namespace

LabelPaintBox::LabelPaintBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("barcodePreview"));
  const QString hint = QStringLiteral("单个标签的预览效果");
  setToolTip(hint);
  setStatusTip(hint);
}

void LabelPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (paint_) paint_(painter, logicalDpiX(), logicalDpiY());
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

DesignPage::DesignPage(TBarcodeFile& store, FormState& state, WindowDialogs& dialogs, QWidget* parent)
    : QWidget(parent), store_(store), state_(state), dialogs_(dialogs) {
  setObjectName(QStringLiteral("tsDesign"));
  BuildControls();
  ConnectControls();
}

QWidget* DesignPage::Control(const char* name) const { return findChild<QWidget*>(QString::fromUtf8(name)); }

void DesignPage::BuildControls() {
  auto* panel = new DesignPanel;

  QWidget* up = MakeCalloutBox(1, QStringLiteral("上方标题"), panel);
  QFormLayout* f = FormIn(up);
  f->addRow(QStringLiteral("行距："), Named(new MmEdit(up), "edtUpTextRowGap", 100, "上方文本行与行的间距"));
  f->addRow(QStringLiteral("间隔："), Named(new MmEdit(up), "edtUpTextBarGap", 101, "与下方的条码块的间隔"));
  f->addRow(QStringLiteral("对齐："),
            Named(FixedList(up, AlignmentItems()), "cbbUpTextAlignment", 102, "条码块上方文本的对齐方式"));
  f->addRow(Named(Memo(up), "memUpText", 103, "条码块上方文本内容"));
  f->addRow(Named(new QPushButton(QStringLiteral("字体..."), up), "btnUpTextFont", kUpTextFont,
                  "条码块上方文本字体"));

  QWidget* bar = MakeCalloutBox(2, QStringLiteral("条码样式"), panel);
  f = FormIn(bar);
  auto* bar_type = Named(new QComboBox(bar), "cbbBarType", 200, "条形码的类型，常用的有2of5，39码等");
  bar_type->setMaxVisibleItems(15);
  f->addRow(QStringLiteral("类型："), bar_type);
  f->addRow(QStringLiteral("高度："), Named(new MmEdit(bar), "edtBarHeight", 201, "条码块的高度"));
  auto* modul = Named(new QSpinBox(bar), "edtBarModul", 203, "手动调整条码粗细");
  modul->setRange(1, 49);
  modul->setSuffix(QStringLiteral(" 点"));
  f->addRow(QStringLiteral("粗细："), Row(bar, {Named(new QCheckBox(QStringLiteral("自动调整"), bar),
                                                      "cbBarAutoModul", 202, "条码线条的粗细"),
                                                modul}));
  f->addRow(QStringLiteral("边距："), Named(new MmEdit(bar), "edtBarGap", 204, "条码块与标签的边框距离"));
  f->addRow(QStringLiteral("颜色："), Named(new ColorCombo(bar), "ccbbBarColor", 205, "条码线条的颜色"));
  f->addRow(QStringLiteral("排列："),
            Named(FixedList(bar, AlignmentItems()), "cbbBarcodeAlignment", 206, "条码在标签内的排列"));
  f->addRow(Named(new QCheckBox(QStringLiteral("特定格式"), bar), "cbBarSelfStyle", 207,
                  "某些类型的条码输出其特有的格式"));

  QWidget* digits = MakeCalloutBox(3, QStringLiteral("条码数字"), panel);
  f = FormIn(digits);
  f->addRow(QStringLiteral("距离："), Named(new MmEdit(digits), "edtBarTextGap", 300, "与条码块的距离"));
  f->addRow(Named(new QCheckBox(QStringLiteral("显示条码数字"), digits), "cbBarTextVisible", 301,
                  "是否显示条码目读数字"));
  auto* start = Named(CentredEdit(digits), "edtBarTextStart", 303, "条码目读数字");
  start->setFont(QFont(QStringLiteral("OCR-B 10 BT"), 10));
  auto* left = Named(CentredEdit(digits), "edtBarLeftDecorate", 302, "左修饰符");
  auto* right = Named(CentredEdit(digits), "edtBarRightDecorate", 304, "右修饰符");
  left->setMaximumWidth(36);
  right->setMaximumWidth(36);
  f->addRow(Row(digits, {left, start, right}));
  f->addRow(Named(new QCheckBox(QStringLiteral("自动调整间距"), digits), "cbBarTextAutoAdjust", 305,
                  "自动调整目读数字的间距"));
  f->addRow(Named(new QCheckBox(QStringLiteral("自动校验码"), digits), "cbBarTextChecksum", 306,
                  "计算条码数字的校验和"));
  f->addRow(Named(new QPushButton(QStringLiteral("字体..."), digits), "btnBarTextFont", kBarTextFont,
                  "条码目读数字字体"));

  QWidget* down = MakeCalloutBox(4, QStringLiteral("下方说明"), panel);
  f = FormIn(down);
  f->addRow(QStringLiteral("行距："),
            Named(new MmEdit(down), "edtDownTextRowGap", 400, "下方文本之间的行距"));
  f->addRow(QStringLiteral("间隔："),
            Named(new MmEdit(down), "edtDownTextBarGap", 401, "下方文本与条码块的间隔"));
  f->addRow(QStringLiteral("对齐："),
            Named(FixedList(down, AlignmentItems()), "cbbDownTextAlignment", 402, "下方文本的对齐方式"));
  f->addRow(Named(Memo(down), "memDownText", 403, "显示在条码块下方的文本"));
  f->addRow(Named(new QPushButton(QStringLiteral("字体..."), down), "btnDownTextFont", kDownTextFont,
                  "条码下方文本的字体"));

  QWidget* label = MakeCalloutBox(5, QStringLiteral("标签"), panel);
  auto* grid = new QGridLayout;
  grid->setSpacing(4);
  static_cast<QVBoxLayout*>(label->layout())->addLayout(grid);
  auto* count = Named(new QSpinBox(label), "edtBarNumInOne", 502, "单个标签内的条码数量");
  count->setRange(1, 9);
  grid->addWidget(new QLabel(QStringLiteral("宽度："), label), 0, 0);
  grid->addWidget(Named(new MmEdit(label), "edtLabelWidth", 500, "单个标签的宽度"), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("高度："), label), 0, 2);
  grid->addWidget(Named(new MmEdit(label), "edtLabelHeight", 501, "单个标签的高度"), 0, 3);
  grid->addWidget(new QLabel(QStringLiteral("条码数："), label), 1, 0);
  grid->addWidget(count, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("排列："), label), 1, 2);
  grid->addWidget(Named(FixedList(label, {QStringLiteral("纵向"), QStringLiteral("横向")}),
                        "cbbLabelPutDirection", 503, "多个条码在一个标签内的排列"),
                  1, 3);
  grid->addWidget(Named(new QCheckBox(QStringLiteral("打印分割线"), label), "cbPrintInternalLine", 504,
                        "多个标签之间是否打印分割线"),
                  1, 4);
  grid->addWidget(new QLabel(QStringLiteral("左："), label), 2, 0);
  grid->addWidget(
      Named(new MmEdit(label, MmEdit::Range::Offset), "edtLabelLeft", 505, "标签的左上角位置，用于套打"), 2,
      1);
  grid->addWidget(new QLabel(QStringLiteral("上："), label), 2, 2);
  grid->addWidget(
      Named(new MmEdit(label, MmEdit::Range::Offset), "edtLabelTop", 506, "标签的左上角位置，用于套打"), 2,
      3);
  grid->addWidget(Named(new QCheckBox(QStringLiteral("无背景色"), label), "cbHasBgColor", 601, ""), 3, 0, 1,
                  2);
  grid->addWidget(new QLabel(QStringLiteral("标签背景色："), label), 3, 2);
  grid->addWidget(Named(new ColorCombo(label), "ccbBgColor", 602, ""), 3, 3);

  auto* label_area = new QWidget(panel);
  label_area->setMinimumHeight(150);
  auto* panel_grid = new QGridLayout(panel);
  panel_grid->setContentsMargins(12, 12, 12, 12);
  panel_grid->setHorizontalSpacing(40);
  panel_grid->setVerticalSpacing(8);
  panel_grid->addWidget(up, 0, 0);
  panel_grid->addWidget(bar, 0, 1);
  panel_grid->addWidget(label_area, 1, 0, 1, 2);
  panel_grid->addWidget(digits, 2, 0);
  panel_grid->addWidget(down, 2, 1);
  panel_grid->addWidget(label, 3, 0, 1, 2);
  panel_grid->setRowStretch(1, 1);
  panel->SetCalloutBoxes({up, bar, digits, down}, label_area);

  auto* left_scroll = new QScrollArea;
  left_scroll->setWidget(panel);
  left_scroll->setWidgetResizable(true);
  left_scroll->setFrameShape(QFrame::NoFrame);

  // The single-label preview.
  auto* heading = new QLabel(QStringLiteral("== 单个标签效果 =="));
  heading->setAlignment(Qt::AlignCenter);
  auto* scroll_box = new QScrollArea;
  scroll_box->setObjectName(QStringLiteral("ScrollBox1"));
  auto* host = new QWidget;
  host->setAutoFillBackground(true);
  panel_preview_ = new QFrame(host);
  panel_preview_->setObjectName(QStringLiteral("panelPreview"));
  panel_preview_->move(8, 8);
  preview_ = new LabelPaintBox(panel_preview_);
  scroll_box->setWidget(host);
  auto* note = new QLabel(QStringLiteral(
      "注意：在下边的效果显示内，条码显示宽度不够不表示打印时也不够！不同的打印机打印的效果可能不相同！"));
  note->setWordWrap(true);
  auto* link = new QLabel(
      QStringLiteral("<a href=\"layout\" style=\"color:blue;text-decoration:underline\">排版打印</a>"));
  link->setObjectName(QStringLiteral("Label63"));
  link->setCursor(Qt::PointingHandCursor);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  connect(link, &QLabel::linkActivated, this, [this] {
    if (OnLayoutLinkClicked) OnLayoutLinkClicked();
  });

  auto* right_side = new QVBoxLayout;
  right_side->addWidget(heading);
  right_side->addWidget(scroll_box, 1);
  right_side->addWidget(note);
  right_side->addWidget(link, 0, Qt::AlignRight);

  auto* page = new QHBoxLayout(this);
  page->addWidget(left_scroll, 3);
  page->addLayout(right_side, 2);
}

void DesignPage::ConnectControls() {
  const auto choose_color = [this](TColor color) { return dialogs_.ChooseColor(this, color); };
  for (const ControlBinding& b : kDesignBindings) {
    QWidget* control = Control(b.Control);
    // The warning must see the key as it was before the change writes it.
    if (b.Tag == 202)
      connect(qobject_cast<QCheckBox*>(control), &QCheckBox::toggled, this, &DesignPage::cbBarAutoModulClick);
    ConnectChange(
        *control, *this, [this, control] { edtBarTextGapPropertiesChange(*control); }, choose_color);
  }
  for (const char* name : {"btnUpTextFont", "btnBarTextFont", "btnDownTextFont"}) {
    auto* button = findChild<QPushButton*>(QString::fromUtf8(name));
    connect(button, &QPushButton::clicked, this, [this, button] { btnUpTextFontClick(*button); });
  }
}

void DesignPage::FillBarcodeTypes() {
  auto* combo = findChild<QComboBox*>(QStringLiteral("cbbBarType"));
  const bool filling = state_.FillingControls;
  state_.FillingControls = true;
  combo->clear();
  for (const TBCdata& entry : BarcodeTypes)
    combo->addItem(QString::fromUtf8(entry.Name.data(), qsizetype(entry.Name.size())) +
                   (entry.DigitsOnly ? QStringLiteral(" (数字型)") : QStringLiteral(" (字母型)")));
  state_.FillingControls = filling;
}

void DesignPage::TemplateToControls() {
  for (const ControlBinding& b : kDesignBindings) ReadKeyIntoControl(store_, *Control(b.Control), b);
  SetDependentStates();
  SizePreviewPanel();
}

void DesignPage::SetDependentStates() {
  Control("ccbBgColor")->setEnabled(!findChild<QCheckBox*>(QStringLiteral("cbHasBgColor"))->isChecked());
  Control("edtBarModul")->setEnabled(!store_.BarAutoModul());
  const bool several = store_.BarNumInOne() > 1;
  Control("cbbLabelPutDirection")->setEnabled(several);
  Control("cbPrintInternalLine")->setEnabled(several);
}

void DesignPage::SizePreviewPanel() {
  const QSize size(DotsFromMm(logicalDpiX(), store_.LabelWidth()),
                   DotsFromMm(logicalDpiY(), store_.LabelHeight()));
  panel_preview_->resize(size);
  preview_->setGeometry(QRect(QPoint(0, 0), size));
  if (QWidget* host = panel_preview_->parentWidget()) host->resize(size + QSize(16, 16));
}

void DesignPage::edtBarTextGapPropertiesChange(QWidget& control) {
  if (state_.FillingControls) return;
  const int tag = TagOf(control);
  const ControlBinding* binding = FindBinding(kDesignBindings, tag);
  if (!binding) return;
  WriteControlToKey(control, store_, *binding);
  switch (tag) {
    case 202:
    case 502:
    case 601:
      SetDependentStates();
      break;
    case 303:
      if (OnBarTextStartChanged) OnBarTextStartChanged(store_.BarTextStart());
      break;
    case 500:
    case 501:
      SizePreviewPanel();
      break;
    default:
      break;
  }
  preview_->update();
}

void DesignPage::btnUpTextFontClick(QWidget& button) {
  const int tag = TagOf(button);
  const TFont& current = tag == kUpTextFont    ? store_.UpTextFont()
                         : tag == kBarTextFont ? store_.BarTextFont()
                                               : store_.DownTextFont();
  const std::optional<TFont> chosen = dialogs_.ChooseFont(this, current);
  if (!chosen) return;
  if (tag == kUpTextFont) store_.SetUpTextFont(*chosen);
  if (tag == kBarTextFont) store_.SetBarTextFont(*chosen);
  if (tag == kDownTextFont) store_.SetDownTextFont(*chosen);
  preview_->update();
}

void DesignPage::cbBarAutoModulClick(bool checked) {
  if (state_.FillingControls || checked || !store_.BarAutoModul()) return;
  dialogs_.Information(this, QStringLiteral("提示"),
                       QStringLiteral("如果您没有确切理解粗细的含义，请勾选“自动调整”选项，保证打印质量！"));
}

}  // namespace tagpress
