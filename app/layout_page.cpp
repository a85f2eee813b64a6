#include "app/layout_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/color_combo.h"
#include "app/control_binding.h"
#include "app/mm_edit.h"
#include "app/window_dialogs.h"
#include "print/ui/preview_box.h"
#include "print/ui/preview_controls.h"

namespace tagpress {

namespace {

const ControlBinding kLayoutBindings[] = {
    {600, "edtPageLeftGap", "PageLeftGap"},
    {601, "edtPageTopGap", "PageTopGap"},
    {610, "edtRows", "Rows"},
    {611, "edtPageRowGap", "PageRowGap"},
    {612, "edtCols", "Cols"},
    {613, "edtPageColGap", "PageColGap"},
    {620, "cbPrintHeaderFooter", "PrintHeaderFooter"},
    {621, "cbPrintCutLineDJ", "PrintCutLine"},
    {622, "cbPrintGrid", "PrintGrid"},
    {623, "ccbbCutLineColor", "CutLineColor"},
    {624, "cbPrintInternalCutLine", "PrintInternalCutLine"},
    {625, "edtPrintCutLineSize", "CutLineSize"},
    {630, "edtPageHeaderLeft", "PageLeftHeader"},
    {631, "edtPageHeaderCenter", "PageCenterHeader"},
    {632, "edtPageHeaderRight", "PageRightHeader"},
    {640, "edtPageFooterLeft", "PageLeftFooter"},
    {641, "edtPageFooterCenter", "PageCenterFooter"},
    {642, "edtPageFooterRight", "PageRightFooter"},
};

QSpinBox* Spin(QWidget* parent, const char* name, int tag, int minimum, int maximum) {
  auto* spin = Named(new QSpinBox(parent), name, tag);
  spin->setRange(minimum, maximum);
  return spin;
}

// A group of caption/control pairs laid out in one row.
QGroupBox* Group(const QString& title, std::initializer_list<std::pair<QString, QWidget*>> items) {
  auto* box = new QGroupBox(title);
  auto* layout = new QHBoxLayout(box);
  layout->setContentsMargins(6, 4, 6, 4);
  for (const auto& [caption, widget] : items) {
    if (!caption.isEmpty()) layout->addWidget(new QLabel(caption, box));
    if (widget) {
      widget->setParent(box);
      layout->addWidget(widget);
    }
  }
  return box;
}

}  // namespace

LayoutPage::LayoutPage(TBarcodeFile& store, FormState& state, WindowDialogs& dialogs, QAction& preview_action,
                       QAction& print_action, QWidget* parent)
    : QWidget(parent), store_(store), state_(state), dialogs_(dialogs) {
  setObjectName(QStringLiteral("tsPrint"));
  BuildControls(preview_action, print_action);
  ConnectControls();
}

QWidget* LayoutPage::Control(const char* name) const { return findChild<QWidget*>(QString::fromUtf8(name)); }

void LayoutPage::BuildControls(QAction& preview_action, QAction& print_action) {
  auto* grid_check = Named(new QCheckBox(QStringLiteral("打印标签网格")), "cbPrintGrid", 622);
  grid_check->setVisible(false);
  grid_check->setEnabled(false);
  auto* start_page = Spin(nullptr, "edtStartPageNo", 0, 1, 99999);
  auto* start_row = Spin(nullptr, "edtStartRow", 0, 1, 9999);
  auto* start_col = Spin(nullptr, "edtStartCol", 0, 1, 9999);

  auto* margins = Group(
      QStringLiteral("页边距(毫米)"),
      {{QStringLiteral("左："), Named(new MmEdit(nullptr, MmEdit::Range::Offset), "edtPageLeftGap", 600)},
       {QStringLiteral("上："), Named(new MmEdit(nullptr, MmEdit::Range::Offset), "edtPageTopGap", 601)}});
  auto* rows_cols = Group(QStringLiteral("行和列"),
                          {{QStringLiteral("行数："), Spin(nullptr, "edtRows", 610, 0, 999)},
                           {QStringLiteral("行间隔："), Named(new MmEdit, "edtPageRowGap", 611)},
                           {QStringLiteral("列数："), Spin(nullptr, "edtCols", 612, 0, 999)},
                           {QStringLiteral("列间隔："), Named(new MmEdit, "edtPageColGap", 613)}});
  auto* options =
      Group(QStringLiteral("选项"),
            {{QString(), Named(new QCheckBox(QStringLiteral("打印页眉页脚")), "cbPrintHeaderFooter", 620)},
             {QString(), grid_check},
             {QStringLiteral("起始页码："), start_page}});
  auto* cut_lines =
      Group(QStringLiteral("切割线"),
            {{QString(), Named(new QCheckBox(QStringLiteral("对角线")), "cbPrintCutLineDJ", 621)},
             {QString(), Named(new QCheckBox(QStringLiteral("中心线")), "cbPrintInternalCutLine", 624)},
             {QString(), Named(new ColorCombo, "ccbbCutLineColor", 623)},
             {QStringLiteral("粗细："), Named(new MmEdit, "edtPrintCutLineSize", 625)},
             {QStringLiteral("毫米"), nullptr}});
  auto* saving = Group(QStringLiteral("节约纸张"),
                       {{QStringLiteral("起始行："), start_row}, {QStringLiteral("起始列："), start_col}});
  auto* header = Group(QStringLiteral("页眉"),
                       {{QStringLiteral("左："), Named(new QLineEdit, "edtPageHeaderLeft", 630)},
                        {QStringLiteral("中："), Named(new QLineEdit, "edtPageHeaderCenter", 631)},
                        {QStringLiteral("右："), Named(new QLineEdit, "edtPageHeaderRight", 632)}});
  auto* footer = Group(QStringLiteral("页脚"),
                       {{QStringLiteral("左："), Named(new QLineEdit, "edtPageFooterLeft", 640)},
                        {QStringLiteral("中："), Named(new QLineEdit, "edtPageFooterCenter", 641)},
                        {QStringLiteral("右："), Named(new QLineEdit, "edtPageFooterRight", 642)}});

  preview_ = new PreviewBox(this);
  controls_ = new PreviewControls(*preview_, preview_action, print_action, this);

  auto* settings = new QGridLayout;
  settings->addWidget(margins, 0, 0);
  settings->addWidget(rows_cols, 0, 1);
  settings->addWidget(options, 0, 2);
  settings->addWidget(cut_lines, 1, 0, 1, 2);
  settings->addWidget(saving, 1, 2);

  auto* page = new QVBoxLayout(this);
  page->addLayout(settings);
  page->addWidget(controls_);
  page->addWidget(header);
  page->addWidget(preview_, 1);
  page->addWidget(footer);
}

void LayoutPage::ConnectControls() {
  const auto choose_color = [this](TColor color) { return dialogs_.ChooseColor(this, color); };
  for (const ControlBinding& b : kLayoutBindings) {
    QWidget* control = Control(b.Control);
    ConnectChange(
        *control, *this, [this, control] { edtPageLeftGapPropertiesChange(*control); }, choose_color);
  }
}

void LayoutPage::TemplateToControls() {
  for (const ControlBinding& b : kLayoutBindings) ReadKeyIntoControl(store_, *Control(b.Control), b);
  Control("ccbbCutLineColor")->setEnabled(store_.PrintCutLine());
}

void LayoutPage::edtPageLeftGapPropertiesChange(QWidget& control) {
  if (state_.FillingControls) return;
  const int tag = TagOf(control);
  const ControlBinding* binding = FindBinding(kLayoutBindings, tag);
  if (!binding) return;
  WriteControlToKey(control, store_, *binding);
  if (tag == 621) Control("ccbbCutLineColor")->setEnabled(store_.PrintCutLine());
  if ((tag == 620 || tag == 621 || tag == 624) && OnRecompose) OnRecompose();
}

ComposeStart LayoutPage::StartCell() const {
  const auto value = [this](const char* name) {
    return findChild<QSpinBox*>(QString::fromUtf8(name))->value();
  };
  return ComposeStart{value("edtStartPageNo"), value("edtStartRow"), value("edtStartCol")};
}

}  // namespace tagpress
