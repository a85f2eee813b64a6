#include "app/main_window.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdio>

#include "app/app_paths.h"
#include "app/app_title.h"
#include "app/design_page.h"
#include "app/layout_page.h"
#include "app/status_bar.h"
#include "app/window_dialogs.h"
#include "data/ui/data_page.h"
#include "info/about_window.h"
#include "info/help_dir.h"
#include "info/help_window.h"
#include "info/news_page.h"
#include "info/tip_window.h"
#include "platform/errors.h"
#include "platform/qt/font_substitutions.h"
#include "platform/qt/qt_surface.h"
#include "platform/qt/qt_text.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "print/ui/preview_box.h"
#include "print/ui/preview_controls.h"
#include "render/ui/export_window.h"

namespace tagpress {

namespace {

// Paths are file-system bytes, not GBK text.
QString QStringFromPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string PathFromQString(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::string AsciiUpperCase(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

QString ApplicationTitle() { return QString::fromUtf8(kApplicationTitle); }

}  // namespace

MainWindowOptions ProgramWindowOptions() {
  MainWindowOptions options;
  // The dialogs start where the working template lives: beside the
  // executable in a portable install, else in the user's configuration.
  options.AppDir = WorkingDir();
  options.WorkingTemplatePath = tagpress::WorkingTemplatePath();
  return options;
}

Tfrm_Main::Tfrm_Main(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      working_template_(options_.WorkingTemplatePath),
      dialogs_(options_.Dialogs ? std::move(options_.Dialogs) : std::make_unique<QtWindowDialogs>()) {
  setObjectName(QStringLiteral("frm_Main"));
  InstallFontSubstitutions();
  setFont(QFont(QStringLiteral("宋体"), 9));
  setWindowState(Qt::WindowMaximized);
  error_display_ = [this](const QString& text) { dialogs_->Error(this, text); };

  records_.ClearRecords();
  BuildWindow();
  ConnectActions();
  design_->FillBarcodeTypes();

  try {
    if (!FileExists(working_template_)) {
      // Without a working template the controls show the store's defaults,
      // so what they show is what the preview draws.
      TemplateToControls();
    } else {
      OpenTemplateFile(working_template_);
    }
  } catch (const std::exception& error) {
    // A damaged working template must not keep the program from starting:
    // show what was read and report the error once the window is up.
    startup_error_ = QStringFromGbk(error.what());
    TemplateToControls();
  }
  setWindowTitle(ApplicationTitle());
}

Tfrm_Main::~Tfrm_Main() {
  // The working template is kept at every exit, whatever its name and state.
  try {
    store_.SaveToFile(working_template_);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tagpress: %s\n", GbkToUtf8(error.what()).c_str());
  }
  // The data page hands the record list's callbacks back when it goes, so
  // it must go while the list still exists, before the widget tree is freed.
  disconnect(pages_, nullptr, this, nullptr);
  delete data_;
  data_ = nullptr;
}

void Tfrm_Main::BuildWindow() {
  actions_ = CreateMainActions(this);
  BuildMainMenu(*menuBar(), actions_);
  auto* tool_bar = new QToolBar(this);
  BuildToolBar(*tool_bar, actions_);
  addToolBar(tool_bar);

  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("pcPages"));
  design_ = new DesignPage(store_, state_, *dialogs_);
  // The records were cleared and the store exists: the data page takes
  // over the record list's callbacks from here on.
  auto* data_container = new QWidget;
  data_container->setObjectName(QStringLiteral("tsData"));
  data_ = new DataPage(records_, store_, data_container);
  auto* data_layout = new QVBoxLayout(data_container);
  data_layout->setContentsMargins(0, 0, 0, 0);
  data_layout->addWidget(data_);
  layout_ = new LayoutPage(store_, state_, *dialogs_, *actions_.ActionPreview, *actions_.ActionPrint);
  const QString help_dir = HelpDir();
  news_ = new NewsPage(help_dir);
  pages_->addTab(design_, QStringLiteral("第一步: 条码设计 "));
  pages_->addTab(data_container, QStringLiteral("第二步: 准备条码数据 "));
  pages_->addTab(layout_, QStringLiteral("第三步: 排版打印 "));
  pages_->addTab(news_, QStringLiteral("最新动态 "));
  setCentralWidget(pages_);
  // The manual's window lives as long as the main window; closing it only hides it.
  help_ = new Tfrm_Help(help_dir, this);

  status_bar_ = new MainStatusBar(this);
  setStatusBar(status_bar_);
  connect(data_, &DataPage::RecordCountTextChanged, status_bar_, &MainStatusBar::SetRecordCountText);
  // Directly: the generation emits at every step and the panel lets pending events run.
  connect(data_, &DataPage::StatusTextChanged, this,
          [this](const QString& text) { SetStatusText(GbkFromQString(text)); });
  data_->ShowRecordCount();

  layout_->Preview().SetDocument(&document_);
  design_->Preview().SetPaintFunction(
      [this](QPainter& painter, int dpi_x, int dpi_y) { PaintSingleLabel(painter, dpi_x, dpi_y); });
  design_->OnBarTextStartChanged = [this](const std::string& text) {
    data_->SetSerialStart(QStringFromGbk(text));
  };
  design_->OnLayoutLinkClicked = [this] { Label63Click(); };
  layout_->OnRecompose = [this] { actions_.ActionPreview->trigger(); };
}

void Tfrm_Main::ConnectActions() {
  const MainActions& a = actions_;
  connect(a.ActionNew, &QAction::triggered, this, [this] { Guarded([this] { ActionNewExecute(); }); });
  connect(a.ActionOpen, &QAction::triggered, this, [this] { Guarded([this] { ActionOpenExecute(); }); });
  connect(a.ActionSave, &QAction::triggered, this, [this] { Guarded([this] { ActionSaveExecute(); }); });
  connect(a.ActionSaveAs, &QAction::triggered, this, [this] { Guarded([this] { ActionSaveAsExecute(); }); });
  connect(a.ActionQuit, &QAction::triggered, this, &Tfrm_Main::ActionQuitExecute);
  connect(a.ActionPreview, &QAction::triggered, this, &Tfrm_Main::ActionPreviewExecute);
  connect(a.ActionPrint, &QAction::triggered, this, &Tfrm_Main::ActionPrintExecute);
  connect(&layout_->Controls().PrintSetupButton(), &QPushButton::clicked, this,
          &Tfrm_Main::btnPrintSetupClick);
  connect(pages_, &QTabWidget::currentChanged, this, &Tfrm_Main::pcPagesChange);
  connect(a.ActionImportData, &QAction::triggered, data_, &DataPage::ActionImportDataExecute);
  connect(a.ActionOutputData, &QAction::triggered, data_, &DataPage::ActionOutputDataExecute);
  connect(a.ActionRealEdit, &QAction::triggered, data_, &DataPage::ActionRealEditExecute);
  connect(a.ActionExportBarcode, &QAction::triggered, this, &Tfrm_Main::ActionExportBarcodeExecute);
  connect(a.ActionUserNeed, &QAction::triggered, this, &Tfrm_Main::ActionUserNeedExecute);
  connect(a.ActionAbout, &QAction::triggered, this, &Tfrm_Main::ActionAboutExecute);
  connect(a.ActionWeb, &QAction::triggered, this, &Tfrm_Main::ActionWebExecute);
  connect(a.ActionHelp, &QAction::triggered, this, &Tfrm_Main::ActionHelpExecute);
}

template <typename Command>
void Tfrm_Main::Guarded(Command command) {
  try {
    command();
  } catch (const std::exception& error) {
    ReportError(error);
  }
}

void Tfrm_Main::ReportStartUpError() {
  if (startup_error_.isEmpty()) return;
  error_display_(startup_error_);
  startup_error_.clear();
}

void Tfrm_Main::ReportError(const std::exception& error) { error_display_(QStringFromGbk(error.what())); }

bool Tfrm_Main::event(QEvent* event) {
  // The hint of the control under the mouse goes to the first status panel.
  if (event->type() == QEvent::StatusTip) {
    status_bar_->SetHintText(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

// ---- template display

void Tfrm_Main::OpenTemplateFile(const std::string& path) {
  if (!FileExists(path)) return;
  store_.LoadFromFile(path);
  if (QFileInfo(QStringFromPath(path)).fileName() != QStringLiteral("Default.bct")) store_.FileName = path;
  TemplateToControls();
  UpdateCaption();
}

void Tfrm_Main::TemplateToControls() {
  state_.FillingControls = true;
  store_.OnAfterChange = nullptr;
  design_->TemplateToControls();
  layout_->TemplateToControls();
  const QString printer = QStringFromGbk(store_.Printer());
  if (printers_.PrinterNames().contains(printer, Qt::CaseInsensitive)) printers_.SelectPrinter(printer);
  data_->TemplateToControls();
  state_.FillingControls = false;
  store_.OnAfterChange = [this](const std::string&, const TBarcodeFile::Value&) { RecordChange(); };
  design_->Preview().update();
}

void Tfrm_Main::RecordChange() {
  const double now = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
  state_.ChangeStamp = std::max(now, state_.ChangeStamp + 0.001);
}

void Tfrm_Main::UpdateCaption() {
  const QString name = store_.FileName.empty() ? QStringLiteral("新文件") : QStringFromPath(store_.FileName);
  setWindowTitle(ApplicationTitle() + QStringLiteral(" [") + name + QStringLiteral("]"));
}

void Tfrm_Main::SetStatusText(const std::string& text) {
  if (status_echo_) status_echo_(text);
  status_bar_->SetStatusText(QStringFromGbk(text));
}

std::string Tfrm_Main::ExpandExpressions(const std::string& text) {
  return options_.Services.Expander->ExpandExpressions(text);
}

void Tfrm_Main::PaintSingleLabel(QPainter& painter, int dpi_x, int dpi_y) {
  TtgpDrawRec rec;
  rec.Left = 1;
  rec.Top = 1;
  rec.DpiX = dpi_x;
  rec.DpiY = dpi_y;
  rec.Digits = store_.BarTextStart();
  options_.Services.Expander->SetBarcodeDigits(rec.Digits);
  rec.UpText = ExpandExpressions(store_.UpText());
  rec.DownText = ExpandExpressions(store_.DownText());
  try {
    QtSurface surface(painter);
    options_.Services.DrawLabel(barcode_, store_, surface, rec, true);
  } catch (const std::exception& error) {
    // A paint event cannot show a box; the label shows nothing more.
    std::fprintf(stderr, "tagpress: %s\n", GbkToUtf8(error.what()).c_str());
  }
}

// ---- file commands

void Tfrm_Main::ActionNewExecute() {
  if (store_.Modified()) {
    const Answer answer =
        dialogs_->AskYesNoCancel(this, QStringLiteral("保存"), QStringLiteral("文件已经被修改，是否保存？"));
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) {
      if (!store_.FileName.empty()) {
        store_.Save();
      } else {
        // A new template has no file yet: ask for one rather than drop the
        // design the user asked to keep. Cancelling keeps it on screen.
        const std::optional<QString> chosen = dialogs_->SaveTemplate(this, QStringFromPath(options_.AppDir));
        if (!chosen) return;
        store_.SaveToFile(PathFromQString(*chosen));
      }
    }
  }
  store_.Reset();
  TemplateToControls();
  UpdateCaption();
}

void Tfrm_Main::ActionOpenExecute() {
  const std::optional<QString> chosen = dialogs_->OpenTemplate(this, QStringFromPath(options_.AppDir));
  if (!chosen) return;
  if (AsciiUpperCase(PathFromQString(*chosen)) == AsciiUpperCase(store_.FileName)) return;
  OpenTemplateFile(PathFromQString(*chosen));
}

void Tfrm_Main::ActionSaveExecute() {
  const std::optional<QString> chosen = dialogs_->SaveTemplate(this, QStringFromPath(options_.AppDir));
  if (!chosen) return;
  if (!store_.FileName.empty()) {
    store_.Save();
    return;
  }
  store_.SaveToFile(PathFromQString(*chosen));
  store_.FileName = PathFromQString(*chosen);
  UpdateCaption();
}

void Tfrm_Main::ActionSaveAsExecute() {
  const std::optional<QString> chosen = dialogs_->SaveTemplate(this, QStringFromPath(options_.AppDir));
  if (chosen) store_.SaveToFile(PathFromQString(*chosen));
}

void Tfrm_Main::ActionQuitExecute() { close(); }

// ---- pages

void Tfrm_Main::pcPagesChange(int index) {
  if (index == kLayoutPage && !switching_for_preview_) {
    if (document_.PageCount() == 0) {
      ActionPreviewExecute();
    } else if (state_.ChangeStamp != state_.ComposedStamp &&
               dialogs_->AskYesNo(this, QStringLiteral("提示"),
                                  QStringLiteral("设计的条码或条码数字已被改动，是否重新刷新预览？")) ==
                   Answer::Yes) {
      ActionPreviewExecute();
    }
  } else if (index == kNewsPage && !opening_news_ && !news_->HasLocation()) {
    // The news page loads when it is first shown.
    ActionWebExecute();
  }
}

void Tfrm_Main::ActionWebExecute() {
  SetStatusText(GBK("正在打开网页..."));
  opening_news_ = true;
  pages_->setCurrentIndex(kNewsPage);
  opening_news_ = false;
  news_->Navigate();
  SetStatusText("");
}

void Tfrm_Main::Label63Click() { pages_->setCurrentIndex(kLayoutPage); }

// ---- preview and printing

void Tfrm_Main::ComposePages() {
  if (composing_) return;
  composing_ = true;
  actions_.ActionPreview->setEnabled(false);
  printers_.ConfigureDocument(document_);
  ComposeJob job;
  job.Template = &store_;
  job.Records = &records_;
  job.Sink = &document_;
  job.Expander = options_.Services.Expander.get();
  job.DrawLabel = [this](Surface& surface, const TtgpDrawRec& rec) {
    options_.Services.DrawLabel(barcode_, store_, surface, rec, false);
  };
  job.SetStatusText = [this](const std::string& text) { SetStatusText(text); };
  job.Title = kApplicationTitle;
  const auto finish = [this] {
    state_.ComposedStamp = state_.ChangeStamp;
    actions_.ActionPreview->setEnabled(true);
    composing_ = false;
    layout_->Preview().DocumentChanged();
  };
  try {
    tagpress::ComposePages(job, layout_->StartCell());
  } catch (...) {
    finish();
    throw;
  }
  finish();
  layout_->Controls().UpdatePageControls(document_.PageCount());
}

void Tfrm_Main::ActionPreviewExecute() {
  if (composing_) return;
  if (pages_->currentIndex() != kLayoutPage) {
    // The preview composes anyway: the page change need not compose or ask.
    switching_for_preview_ = true;
    pages_->setCurrentIndex(kLayoutPage);
    switching_for_preview_ = false;
  }
  Guarded([this] { ComposePages(); });
  layout_->Preview().SetZoomMode(kZoom100);
}

void Tfrm_Main::ActionPrintExecute() {
  // Pages being composed are not printed half-done.
  if (composing_ || document_.PageCount() == 0) return;
  Guarded([this] { printers_.PrintWithDialog(document_, this); });
}

void Tfrm_Main::DirectPrint() {
  if (document_.PageCount() == 0) return;
  QString error;
  if (!printers_.PrintAll(document_, &error)) throw ETagpressError(GbkFromQString(error));
}

void Tfrm_Main::btnPrintSetupClick() {
  Guarded([this] {
    if (printers_.ShowPrinterSetup(this)) layout_->Preview().Relayout();
  });
}

// ---- the other windows

void Tfrm_Main::ActionExportBarcodeExecute() {
  Guarded([this] { ShowExportWindow(this, store_, records_, TextExpander(), printers_); });
}

void Tfrm_Main::ActionUserNeedExecute() { ShowUserNotes(this); }

void Tfrm_Main::ActionAboutExecute() { ShowAbout(this); }

void Tfrm_Main::ActionHelpExecute() { help_->ShowHelp(); }

}  // namespace tagpress
