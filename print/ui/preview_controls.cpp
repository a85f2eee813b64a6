#include "print/ui/preview_controls.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "print/ui/preview_box.h"

namespace tagpress {

namespace {

QToolButton* ActionButton(QAction& action, const char* name, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setDefaultAction(&action);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setIconSize(QSize(20, 20));
  return button;
}

}  // namespace

PreviewControls::PreviewControls(PreviewBox& preview, QAction& preview_action, QAction& print_action,
                                 QWidget* parent)
    : QWidget(parent), preview_(preview) {
  setObjectName(QStringLiteral("panelPreviewControls"));
  page_no_ = new QSpinBox(this);
  page_no_->setObjectName(QStringLiteral("edtPageNo"));
  page_no_->setRange(1, 1);
  page_no_->setEnabled(false);
  page_count_ = new QLabel(this);
  page_count_->setObjectName(QStringLiteral("LabelPageCount"));
  scale_ = new QComboBox(this);
  scale_->setObjectName(QStringLiteral("cbbPrevScale"));
  scale_->addItems(ZoomModeCaptions());
  scale_->setCurrentIndex(preview_.ZoomMode());
  print_setup_ = new QPushButton(QStringLiteral("打印设置(&S)"), this);
  print_setup_->setObjectName(QStringLiteral("btnPrintSetup"));
  auto* hint = new QLabel(QStringLiteral("修改设置后请点击预览刷新！"), this);
  hint->setObjectName(QStringLiteral("lblRefreshHint"));
  hint->setStyleSheet(QStringLiteral("color: red;"));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("第"), this));
  layout->addWidget(page_no_);
  layout->addWidget(new QLabel(QStringLiteral("页"), this));
  layout->addWidget(page_count_);
  layout->addSpacing(12);
  layout->addWidget(new QLabel(QStringLiteral("缩放"), this));
  layout->addWidget(scale_);
  layout->addSpacing(12);
  layout->addWidget(ActionButton(preview_action, "btnRefreshPrint", this));
  layout->addWidget(ActionButton(print_action, "btnPrint", this));
  layout->addWidget(print_setup_);
  layout->addSpacing(12);
  layout->addWidget(hint);
  layout->addStretch(1);

  connect(page_no_, &QSpinBox::valueChanged, this, &PreviewControls::edtPageNoPropertiesChange);
  connect(scale_, &QComboBox::currentIndexChanged, this, &PreviewControls::cbbPrevScalePropertiesChange);
  connect(&preview_, &PreviewBox::PrinterPreviewChanged, this,
          &PreviewControls::prevBoxPrinterPreviewChanged);
}

void PreviewControls::UpdatePageControls(int page_count) {
  {
    const QSignalBlocker block(page_no_);
    page_no_->setRange(1, std::max(1, page_count));
    page_no_->setValue(1);
  }
  page_no_->setEnabled(page_count > 1);
  page_count_->setText(QStringLiteral("共 %1 页").arg(page_count));
}

void PreviewControls::edtPageNoPropertiesChange(int value) {
  if (value <= preview_.PageCount()) preview_.SetCurrentPage(value);
}

void PreviewControls::cbbPrevScalePropertiesChange(int index) { preview_.SetZoomMode(index); }

void PreviewControls::prevBoxPrinterPreviewChanged() { scale_->setCurrentIndex(preview_.ZoomMode()); }

}  // namespace tagpress
