#pragma once
// TForm_ExportBarcode, "批量导出条码图片": the rows to export, the target
// folder, the resolution (typed, or a printer's) and the options; runs the
// image export and shows its log and progress. Modal; the main window opens
// it through ShowExportWindow.

#include <QDialog>
#include <string>
#include <vector>

#include "barcode/barcode.h"
#include "render/export_rows.h"
#include "render/ui/export_window_services.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;

namespace tagpress {

class LabelTextExpander;
class PrinterService;
class TBarcodeFile;
class TLabelRecordList;

class TForm_ExportBarcode : public QDialog {
  Q_OBJECT

 public:
  // The printer list comes from `printers`; a run with a printer's resolution
  // makes that printer the program's current one.
  TForm_ExportBarcode(PrinterService& printers, ExportWindowServices services = DesktopExportWindowServices(),
                      QWidget* parent = nullptr);
  ~TForm_ExportBarcode() override;

  // ---- filling the window
  // Shows the rows in sgBarcodes; a run exports these.
  void SetRows(std::vector<ExportRow> rows);
  const std::vector<ExportRow>& Rows() const { return rows_; }
  // Announces the row count, remembers the template the run draws, and, when
  // the template is stored in a file, proposes a folder beside that file.
  // The template must outlive the window.
  void PrepareExport(const TBarcodeFile& tpl);

  // ---- handlers
  void SpeedButton1Click();
  void rbCustomDpiClick();
  void btnExportClick();
  // True while a run is going; the window cannot be closed meanwhile.
  bool Running() const { return running_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void BuildWindow();
  // The resolution the run uses; false (after showing why) when there is none.
  bool ChosenResolution(int& dpi_x, int& dpi_y);
  void AddLog(const std::string& line);
  void RowDone(int row, int rows);
  void LetWindowRepaint();

  PrinterService& printers_;
  ExportWindowServices services_;
  TBarcode barcode_;
  const TBarcodeFile* template_ = nullptr;
  std::vector<ExportRow> rows_;
  bool running_ = false;

  QLineEdit* edt_path_ = nullptr;
  QToolButton* speed_button1_ = nullptr;
  QCheckBox* cb_export_text_ = nullptr;
  QCheckBox* cb_file_name_ = nullptr;
  QCheckBox* cb_delete_ = nullptr;
  QRadioButton* rb_custom_dpi_ = nullptr;
  QLineEdit* edt_dpi_x_ = nullptr;
  QLineEdit* edt_dpi_y_ = nullptr;
  QLabel* lab_tip_ = nullptr;
  QRadioButton* rb_printer_dpi_ = nullptr;
  QComboBox* cbb_printers_ = nullptr;
  QTableWidget* sg_barcodes_ = nullptr;
  QListWidget* lb_error_ = nullptr;
  QProgressBar* pb_ = nullptr;
  QLabel* lab_pb_ = nullptr;
  QPushButton* btn_export_ = nullptr;
  QPushButton* button2_ = nullptr;
};

// ActionExportBarcode of the main window: the export rows of the record list
// (texts expanded through `expander`), the window over them and `tpl`, shown
// modally until the user closes it.
void ShowExportWindow(QWidget* parent, const TBarcodeFile& tpl, const TLabelRecordList& records,
                      LabelTextExpander& expander, PrinterService& printers);

}  // namespace tagpress
