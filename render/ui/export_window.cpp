#include "render/ui/export_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <utility>

#include "platform/qt/printer_service.h"
#include "platform/qt/qt_text.h"
#include "render/export_messages.h"
#include "render/export_run.h"
#include "render/qt/qt_label_bitmap.h"
#include "render/ui/export_folders.h"
#include "template/barcode_file.h"

namespace tagpress {

namespace {

constexpr int kGridColumnWidths[] = {40, 108, 115, 129};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QTableWidgetItem* GridCell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

// A whole number as typed into a resolution box (blanks around it allowed).
bool ReadWholeNumber(const QLineEdit& edit, int& value) {
  bool ok = false;
  value = edit.text().trimmed().toInt(&ok, 10);
  return ok;
}

}  // namespace

TForm_ExportBarcode::TForm_ExportBarcode(PrinterService& printers, ExportWindowServices services,
                                         QWidget* parent)
    : QDialog(parent), printers_(printers), services_(std::move(services)) {
  setObjectName(QStringLiteral("Form_ExportBarcode"));
  setWindowTitle(QStringLiteral("批量导出条码图片"));
  BuildWindow();

  const QString today = FolderDateText(services_.Today(), QLocale());
  edt_path_->setText(DefaultExportFolder(services_.HomeFolder, today));
  cbb_printers_->addItems(printers_.PrinterNames());
  if (cbb_printers_->count() > 0) cbb_printers_->setCurrentIndex(0);
  rbCustomDpiClick();
}

TForm_ExportBarcode::~TForm_ExportBarcode() = default;

void TForm_ExportBarcode::BuildWindow() {
  // ---- export settings: folder and options
  auto* settings = new QGroupBox(QStringLiteral("导出设置"), this);
  auto* path_label = new QLabel(QStringLiteral("条码图片保存到文件夹："), settings);
  edt_path_ = Named(new QLineEdit(settings), "edtPath");
  edt_path_->setReadOnly(true);
  path_label->setBuddy(edt_path_);
  speed_button1_ = Named(new QToolButton(settings), "SpeedButton1");
  speed_button1_->setText(QStringLiteral("..."));
  cb_export_text_ = Named(new QCheckBox(QStringLiteral("导出上方、下方文字"), settings), "cbExportText");
  cb_file_name_ =
      Named(new QCheckBox(QStringLiteral("文件名即为条码数字 (如: 6904040354.BMP)"), settings), "cbFileName");
  cb_delete_ = Named(new QCheckBox(QStringLiteral("删除已存在的同名文件"), settings), "cbDelete");
  for (QCheckBox* option : {cb_export_text_, cb_file_name_, cb_delete_}) option->setChecked(true);

  auto* path_row = new QHBoxLayout;
  path_row->addWidget(edt_path_, 1);
  path_row->addWidget(speed_button1_);
  auto* settings_layout = new QVBoxLayout(settings);
  settings_layout->addWidget(path_label);
  settings_layout->addLayout(path_row);
  settings_layout->addWidget(cb_export_text_);
  settings_layout->addWidget(cb_file_name_);
  settings_layout->addWidget(cb_delete_);

  // ---- resolution: typed, or the chosen printer's
  auto* resolution = new QGroupBox(QStringLiteral("图像分辨率(dpi)"), this);
  rb_custom_dpi_ = Named(new QRadioButton(QStringLiteral("自定义分辨率"), resolution), "rbCustomDpi");
  rb_custom_dpi_->setChecked(true);
  edt_dpi_x_ = Named(new QLineEdit(QStringLiteral("300"), resolution), "edtDPI_X");
  edt_dpi_y_ = Named(new QLineEdit(QStringLiteral("300"), resolution), "edtDPI_Y");
  for (QLineEdit* edit : {edt_dpi_x_, edt_dpi_y_}) edit->setFixedWidth(64);
  lab_tip_ =
      Named(new QLabel(QStringLiteral("    注意：建议您选择与此分辨率相同的打印机来打印导出的条码图像。"),
                       resolution),
            "labTip");
  lab_tip_->setWordWrap(true);
  QPalette tip_palette = lab_tip_->palette();
  tip_palette.setColor(QPalette::WindowText, Qt::red);
  lab_tip_->setPalette(tip_palette);
  rb_printer_dpi_ = Named(new QRadioButton(QStringLiteral("使用下面打印机打印"), resolution), "rbPrinterDpi");
  cbb_printers_ = Named(new QComboBox(resolution), "cbbPrinters");

  auto* dpi_row = new QHBoxLayout;
  dpi_row->addSpacing(20);
  dpi_row->addWidget(edt_dpi_x_);
  dpi_row->addWidget(new QLabel(QStringLiteral("*"), resolution));
  dpi_row->addWidget(edt_dpi_y_);
  dpi_row->addStretch(1);
  auto* resolution_layout = new QVBoxLayout(resolution);
  resolution_layout->addWidget(rb_custom_dpi_);
  resolution_layout->addLayout(dpi_row);
  resolution_layout->addWidget(lab_tip_);
  resolution_layout->addWidget(rb_printer_dpi_);
  resolution_layout->addWidget(cbb_printers_);

  // ---- the rows
  auto* data = new QGroupBox(QStringLiteral("将被导出的数据"), this);
  sg_barcodes_ = Named(new QTableWidget(0, 4, data), "sgBarcodes");
  sg_barcodes_->setHorizontalHeaderLabels(QStringLiteral("序号,条码数字,上方文本,下方文本").split(u','));
  sg_barcodes_->verticalHeader()->hide();
  sg_barcodes_->verticalHeader()->setDefaultSectionSize(sg_barcodes_->fontMetrics().height() + 6);
  for (int column = 0; column < 4; ++column) sg_barcodes_->setColumnWidth(column, kGridColumnWidths[column]);
  sg_barcodes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sg_barcodes_->setSelectionBehavior(QAbstractItemView::SelectRows);
  auto* data_layout = new QVBoxLayout(data);
  data_layout->addWidget(sg_barcodes_);

  // ---- log and progress
  auto* info = new QGroupBox(QStringLiteral("导出信息"), this);
  lb_error_ = Named(new QListWidget(info), "lbError");
  pb_ = Named(new QProgressBar(info), "pb");
  pb_->setRange(0, 100);
  pb_->setValue(0);
  pb_->setTextVisible(false);
  lab_pb_ = Named(new QLabel(QStringLiteral("点击[导出]按钮开始!"), info), "labPB");
  auto* progress_row = new QHBoxLayout;
  progress_row->addWidget(new QLabel(QStringLiteral("完成进度:"), info));
  progress_row->addWidget(pb_, 1);
  auto* info_layout = new QVBoxLayout(info);
  info_layout->addWidget(lb_error_, 1);
  info_layout->addLayout(progress_row);
  info_layout->addWidget(lab_pb_);

  // ---- buttons
  btn_export_ = Named(new QPushButton(QStringLiteral("导出!"), this), "btnExport");
  QFont bold = btn_export_->font();
  bold.setBold(true);
  btn_export_->setFont(bold);
  btn_export_->setDefault(true);
  btn_export_->setEnabled(false);  // until PrepareExport names the template
  button2_ = Named(new QPushButton(QStringLiteral("关闭(&C)"), this), "Button2");
  button2_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btn_export_);
  buttons->addWidget(button2_);

  auto* left = new QVBoxLayout;
  left->addWidget(settings);
  left->addWidget(resolution);
  left->addStretch(1);
  left->addLayout(buttons);
  auto* right = new QVBoxLayout;
  right->addWidget(data, 3);
  right->addWidget(info, 2);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);
  resize(860, 580);

  connect(speed_button1_, &QToolButton::clicked, this, &TForm_ExportBarcode::SpeedButton1Click);
  connect(rb_custom_dpi_, &QRadioButton::toggled, this, &TForm_ExportBarcode::rbCustomDpiClick);
  connect(btn_export_, &QPushButton::clicked, this, &TForm_ExportBarcode::btnExportClick);
  connect(button2_, &QPushButton::clicked, this, &TForm_ExportBarcode::close);
}

void TForm_ExportBarcode::SetRows(std::vector<ExportRow> rows) {
  rows_ = std::move(rows);
  sg_barcodes_->setRowCount(static_cast<int>(rows_.size()));
  for (int k = 0; k < sg_barcodes_->rowCount(); ++k) {
    const ExportRow& row = rows_[k];
    sg_barcodes_->setItem(k, 0, GridCell(QString::number(k + 1)));
    sg_barcodes_->setItem(k, 1, GridCell(QStringFromGbk(row.Digits)));
    sg_barcodes_->setItem(k, 2, GridCell(QStringFromGbk(row.UpText)));
    sg_barcodes_->setItem(k, 3, GridCell(QStringFromGbk(row.DownText)));
  }
}

void TForm_ExportBarcode::PrepareExport(const TBarcodeFile& tpl) {
  const int rows = static_cast<int>(rows_.size());
  lab_pb_->setText(QStringFromGbk(ExportReadyText(rows)));
  pb_->setMaximum(std::max(rows, 1));
  template_ = &tpl;
  btn_export_->setEnabled(!running_);
  const QString beside_template =
      TemplateExportFolder(tpl.FileName, FolderDateText(services_.Today(), QLocale()));
  if (!beside_template.isEmpty()) edt_path_->setText(beside_template);
}

void TForm_ExportBarcode::SpeedButton1Click() {
  const std::optional<QString> folder =
      services_.BrowseForFolder(this, QStringLiteral("选择导出到的文件夹"), edt_path_->text());
  if (folder && !folder->isEmpty()) edt_path_->setText(WithTrailingSlash(*folder));
}

void TForm_ExportBarcode::rbCustomDpiClick() {
  const bool custom = rb_custom_dpi_->isChecked();
  edt_dpi_x_->setEnabled(custom);
  edt_dpi_y_->setEnabled(custom);
  lab_tip_->setVisible(custom);
  cbb_printers_->setEnabled(!custom);
}

bool TForm_ExportBarcode::ChosenResolution(int& dpi_x, int& dpi_y) {
  if (rb_custom_dpi_->isChecked()) {
    for (auto [edit, value] : {std::pair{edt_dpi_x_, &dpi_x}, std::pair{edt_dpi_y_, &dpi_y}}) {
      if (!ReadWholeNumber(*edit, *value)) {
        services_.ShowError(this, QStringLiteral("'%1' 不是有效的整数").arg(edit->text()));
        return false;
      }
    }
    return true;
  }
  // The chosen printer stays the program's current printer, also for printing.
  const QString printer = cbb_printers_->currentText();
  if (printer.isEmpty() || !printers_.SelectPrinter(printer)) {
    services_.ShowError(this, printer.isEmpty() ? QStringLiteral("没有安装打印机")
                                                : QStringLiteral("找不到打印机: ") + printer);
    return false;
  }
  dpi_x = printers_.DpiX();
  dpi_y = printers_.DpiY();
  return true;
}

void TForm_ExportBarcode::btnExportClick() {
  if (template_ == nullptr || running_) return;
  running_ = true;
  btn_export_->setEnabled(false);
  button2_->setEnabled(false);
  const auto finish = [this] {
    running_ = false;
    btn_export_->setEnabled(true);
    button2_->setEnabled(true);
  };
  auto finish_on_every_path = qScopeGuard(finish);

  ExportOptions options;
  if (!ChosenResolution(options.DpiX, options.DpiY)) return;
  const QString folder = edt_path_->text();
  options.Folder = folder.toStdString();
  options.ExportTexts = cb_export_text_->isChecked();
  options.NameAfterDigits = cb_file_name_->isChecked();
  options.DeleteExisting = cb_delete_->isChecked();

  // The log and progress of the previous run stay until this one has
  // started: its first log line comes after the checks that may refuse it.
  bool started = false;
  ExportObserver observer;
  observer.AddLog = [&](const std::string& line) {
    if (!started) {
      started = true;
      lb_error_->clear();
      pb_->setMaximum(std::max(static_cast<int>(rows_.size()), 1));
      pb_->setValue(0);
    }
    AddLog(line);
  };
  observer.RowDone = [this](int row, int rows) { RowDone(row, rows); };

  ExportResult result;
  try {
    result = RunExport(rows_, *template_, barcode_, options, QtLabelBitmapFactory(), observer);
  } catch (const std::exception& error) {
    // The run has logged its summary; the reason goes to a message.
    services_.ShowError(this, QStringFromGbk(error.what()));
    return;
  }
  if (!result.Started) {
    services_.ShowError(this, QStringFromGbk(result.Error));
    return;
  }
  finish();
  if (result.Exported > 0) {
    lab_pb_->setText(QStringLiteral("正在打开存储文件夹，请稍后..."));
    LetWindowRepaint();
    services_.OpenFolder(folder);
  }
  lab_pb_->setText(QStringLiteral("导出任务结束！"));
}

void TForm_ExportBarcode::AddLog(const std::string& line) {
  lb_error_->addItem(QStringFromGbk(line));
  lb_error_->scrollToBottom();
}

void TForm_ExportBarcode::RowDone(int row, int rows) {
  lab_pb_->setText(QStringFromGbk(ExportRowDoneText(row)));
  pb_->setMaximum(std::max(rows, 1));
  pb_->setValue(row);
  LetWindowRepaint();
}

void TForm_ExportBarcode::LetWindowRepaint() {
  // Also keeps the window responsive between rows; closing it is refused
  // meanwhile (closeEvent).
  QCoreApplication::processEvents();
}

void TForm_ExportBarcode::closeEvent(QCloseEvent* event) {
  // Closing would free the window under the running export.
  if (running_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TForm_ExportBarcode::reject() {
  if (!running_) QDialog::reject();
}

void ShowExportWindow(QWidget* parent, const TBarcodeFile& tpl, const TLabelRecordList& records,
                      LabelTextExpander& expander, PrinterService& printers) {
  TForm_ExportBarcode window(printers, DesktopExportWindowServices(), parent);
  window.SetRows(BuildExportRows(records, tpl, expander));
  window.PrepareExport(tpl);
  window.exec();
}

}  // namespace tagpress
