#pragma once
// The export window over a 60 × 40 mm template, its desktop services answered
// by the test: a fixed date, a temporary home folder, a scripted folder
// chooser, and recorded error messages and opened folders.

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/printer_service.h"
#include "render/ui/export_window.h"
#include "template/barcode_file.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_application.h"

namespace tagpress::test_support {

class ExportWindowTest : public ::testing::Test {
 protected:
  ExportWindowTest() {
    EnsureWidgetApplication();
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    printers_ = std::make_unique<PrinterService>();
    tpl_.SetLabelWidth(60);
    tpl_.SetLabelHeight(40);
  }
  ~ExportWindowTest() override { QLocale::setDefault(QLocale::c()); }

  ExportWindowServices Services() {
    ExportWindowServices services;
    services.BrowseForFolder = [this](QWidget*, const QString& title, const QString& folder) {
      browse_titles_.push_back(title);
      browse_start_folders_.push_back(folder);
      return browse_answer_;
    };
    services.OpenFolder = [this](const QString& folder) { opened_folders_.push_back(folder); };
    services.ShowError = [this](QWidget*, const QString& text) { errors_.push_back(text); };
    services.Today = [] { return QDate(2026, 12, 11); };
    services.HomeFolder = Home();
    return services;
  }

  // Opens the window over `rows` (PrepareExport included unless told not to).
  TForm_ExportBarcode& Open(std::vector<ExportRow> rows, bool prepare = true) {
    window_ = std::make_unique<TForm_ExportBarcode>(*printers_, Services());
    window_->SetRows(std::move(rows));
    if (prepare) window_->PrepareExport(tpl_);
    return *window_;
  }

  template <typename Widget>
  Widget* Child(const char* name) {
    Widget* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  QString Home() const { return QString::fromStdString(dir_.path().string()); }

  testing::TempDir dir_;
  std::unique_ptr<PrinterService> printers_;
  TBarcodeFile tpl_;
  std::unique_ptr<TForm_ExportBarcode> window_;

  std::optional<QString> browse_answer_;
  std::vector<QString> browse_titles_;
  std::vector<QString> browse_start_folders_;
  std::vector<QString> opened_folders_;
  std::vector<QString> errors_;
};

}  // namespace tagpress::test_support
