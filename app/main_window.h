#pragma once
// Tfrm_Main, the main window: owns the template store, the barcode object,
// the expression context and the record list for the whole run; offers the
// template file commands; binds the design and layout controls to the
// template; shows the single-label preview and the composed pages.

#include <QMainWindow>
#include <memory>
#include <string>

#include "app/form_state.h"
#include "app/label_services.h"
#include "app/main_actions.h"
#include "app/window_dialogs.h"
#include "barcode/barcode.h"
#include "data/record_list.h"
#include "platform/qt/page_document.h"
#include "platform/qt/printer_service.h"
#include "template/barcode_file.h"

class QTabWidget;

namespace tagpress {

class DataPage;
class DesignPage;
class LayoutPage;
class MainStatusBar;
class NewsPage;
class Tfrm_Help;

// Page indexes of pcPages.
enum WorkPage { kDesignPage, kDataPage, kLayoutPage, kNewsPage };

struct MainWindowOptions {
  std::string AppDir;               // start folder of the open and save dialogs
  std::string WorkingTemplatePath;  // Default.bct: loaded at start, written at every exit
  LabelServices Services = DefaultLabelServices();
  std::unique_ptr<WindowDialogs> Dialogs;  // the real dialogs when empty
};

// The options the program runs with: the executable's folder and the working template's path.
MainWindowOptions ProgramWindowOptions();

class Tfrm_Main : public QMainWindow {
  Q_OBJECT
 public:
  // FormCreate: creates the owned objects and loads Default.bct.
  explicit Tfrm_Main(MainWindowOptions options, QWidget* parent = nullptr);
  // FormDestroy: writes the current template to Default.bct.
  ~Tfrm_Main() override;

  // ---- operations other parts use
  // Loads an existing template file and shows it; a missing file does nothing.
  void OpenTemplateFile(const std::string& path);
  void TemplateToControls();
  void UpdateCaption();
  // Progress text (GBK) in the third status panel; lets pending events run.
  void SetStatusText(const std::string& text);
  std::string ExpandExpressions(const std::string& text);
  // Composes every page into the preview document; throws on failure.
  void ComposePages();
  // Prints every composed page on the current printer without a dialog;
  // nothing without pages; throws when the printer refuses.
  void DirectPrint();

  // ---- actions and handlers
  void ActionNewExecute();
  void ActionOpenExecute();
  void ActionSaveExecute();
  void ActionSaveAsExecute();
  void ActionQuitExecute();
  void ActionPreviewExecute();
  void ActionPrintExecute();
  void btnPrintSetupClick();
  void ActionExportBarcodeExecute();
  void ActionUserNeedExecute();
  void ActionAboutExecute();
  void ActionWebExecute();
  void ActionHelpExecute();
  void pcPagesChange(int index);
  void Label63Click();

  // ---- the owned objects and the parts of the window
  TBarcodeFile& Store() { return store_; }
  TLabelRecordList& Records() { return records_; }
  TBarcode& Barcode() { return barcode_; }
  // The expression context: the script executor with "条码数字".
  LabelTextExpander& TextExpander() { return *options_.Services.Expander; }
  FormState& State() { return state_; }
  const MainActions& Actions() const { return actions_; }
  QTabWidget& Pages() { return *pages_; }
  PageDocument& Document() { return document_; }
  PrinterService& Printers() { return printers_; }
  DesignPage& Design() { return *design_; }
  DataPage& Data() { return *data_; }
  LayoutPage& Layout() { return *layout_; }
  NewsPage& News() { return *news_; }
  // The manual's window, created hidden with the main window and kept.
  Tfrm_Help& Help() { return *help_; }
  MainStatusBar& StatusBar() { return *status_bar_; }
  const std::string& WorkingTemplatePath() const { return working_template_; }

  // Where failures of user commands are shown: a message box by default.
  void SetErrorDisplay(std::function<void(const QString&)> display) { error_display_ = std::move(display); }
  void ReportError(const std::exception& error);
  // Also hands every progress text (GBK) to `echo`, e.g. a terminal.
  void SetStatusEcho(std::function<void(const std::string&)> echo) { status_echo_ = std::move(echo); }
  // Shows an error met while loading the working template at creation, once.
  void ReportStartUpError();

 protected:
  bool event(QEvent* event) override;

 private:
  void BuildWindow();
  void ConnectActions();
  void RecordChange();
  void PaintSingleLabel(QPainter& painter, int dpi_x, int dpi_y);
  // Runs a user command; failures reach the error display.
  template <typename Command>
  void Guarded(Command command);

  MainWindowOptions options_;
  std::string working_template_;
  std::unique_ptr<WindowDialogs> dialogs_;
  std::function<void(const QString&)> error_display_;
  QString startup_error_;
  std::function<void(const std::string&)> status_echo_;

  TBarcodeFile store_;
  TLabelRecordList records_;
  TBarcode barcode_;
  FormState state_;
  PageDocument document_;
  PrinterService printers_;
  bool composing_ = false;
  bool switching_for_preview_ = false;
  bool opening_news_ = false;

  MainActions actions_;
  QTabWidget* pages_ = nullptr;
  DesignPage* design_ = nullptr;
  DataPage* data_ = nullptr;
  LayoutPage* layout_ = nullptr;
  NewsPage* news_ = nullptr;
  Tfrm_Help* help_ = nullptr;
  MainStatusBar* status_bar_ = nullptr;
};

}  // namespace tagpress
