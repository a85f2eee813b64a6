// Runs through the export window: files written into a temporary folder, the
// log, the progress bar and texts while the rows go, the folder opened after
// a successful run, and the runs that are refused before their first row.

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <filesystem>

#include "platform/qt/qt_text.h"
#include "render/export_messages.h"
#include "render/export_run.h"
#include "tests/render_ui/export_window_fixture.h"

namespace tagpress {
namespace {

class ExportWindowRunTest : public test_support::ExportWindowTest {
 protected:
  // Points the window at `folder` through the folder chooser.
  void ChooseFolder(const std::string& folder) {
    browse_answer_ = QString::fromStdString(folder);
    Child<QToolButton>("SpeedButton1")->click();
  }

  QStringList Log() {
    QStringList lines;
    auto* log = Child<QListWidget>("lbError");
    for (int i = 0; i < log->count(); ++i) lines << log->item(i)->text();
    return lines;
  }

  static QSize ImageSize(const std::string& path) { return QImage(QString::fromStdString(path)).size(); }

  std::vector<ExportRow> rows_{{"6901234567892", "up", "down"}, {"6901234567893", "", ""}, {"42", "", ""}};
};

TEST_F(ExportWindowRunTest, RunWritesOneImagePerRowAndReportsProgress) {
  Open(rows_);
  window_->show();
  const std::string folder = dir_.File("images");  // created by the run
  ChooseFolder(folder);

  struct Step {
    int value;
    QString text;
    bool export_enabled;
    bool closed;
  };
  std::vector<Step> steps;
  auto* progress = Child<QProgressBar>("pb");
  auto* label = Child<QLabel>("labPB");
  auto* run = Child<QPushButton>("btnExport");
  QObject::connect(progress, &QProgressBar::valueChanged, [&](int value) {
    // Closing the window while it runs would pull it from under the run.
    Child<QPushButton>("Button2")->click();
    const bool closed = window_->close();
    steps.push_back({value, label->text(), run->isEnabled(), closed});
  });
  run->click();

  const QSize size(709, 472);  // 60 × 40 mm at 300 dpi
  for (const char* name : {"6901234567892.bmp", "6901234567893.bmp", "42.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ImageSize(folder + "/" + name), size);
  }
  EXPECT_EQ(Log(),
            (QStringList{QStringLiteral("开始导出条码图片..."), QStringLiteral("全部3个条码已成功导出！")}));
  ASSERT_EQ(steps.size(), 3u);
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    const Step& step = steps[k - 1];
    EXPECT_EQ(step.value, k);
    EXPECT_EQ(step.text, QStringLiteral("第 %1 个条码已完成.").arg(k));
    EXPECT_FALSE(step.export_enabled);
    EXPECT_FALSE(step.closed);
  }
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(progress->maximum(), 3);
  EXPECT_EQ(progress->value(), 3);
  EXPECT_EQ(label->text(), QStringLiteral("导出任务结束！"));
  EXPECT_TRUE(run->isEnabled());
  EXPECT_EQ(opened_folders_, std::vector<QString>{QString::fromStdString(folder) + "/"});
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(window_->close());
}

TEST_F(ExportWindowRunTest, OptionsReachTheRunAndARepeatedRunReportsExistingFiles) {
  Open(rows_);
  const std::string folder = dir_.File("numbered");
  ChooseFolder(folder);
  Child<QCheckBox>("cbFileName")->setChecked(false);
  Child<QCheckBox>("cbDelete")->setChecked(false);
  Child<QLineEdit>("edtDPI_X")->setText(" 200 ");
  Child<QLineEdit>("edtDPI_Y")->setText("100");
  auto* run = Child<QPushButton>("btnExport");

  run->click();
  for (const char* name : {"barcode_1.bmp", "barcode_2.bmp", "barcode_3.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ImageSize(folder + "/" + name), QSize(472, 157));
  }
  ASSERT_EQ(opened_folders_.size(), 1u);

  // The second run finds every file in place and may not replace it.
  run->click();
  QStringList expected{QStringLiteral("开始导出条码图片...")};
  for (int k = 1; k <= 3; ++k)
    expected << QStringFromGbk(
        ExportFileExistsText(folder + "/barcode_" + std::to_string(k) + ".bmp", rows_[k - 1].Digits));
  expected << QStringLiteral("发生3个错误, 没有任何条码被导出！");
  EXPECT_EQ(Log(), expected);
  EXPECT_EQ(expected[1], QStringLiteral("文件%1/barcode_1.bmp已存在，不能导出条码6901234567892")
                             .arg(QString::fromStdString(folder)));
  EXPECT_EQ(opened_folders_.size(), 1u);  // nothing new to show
  EXPECT_EQ(Child<QLabel>("labPB")->text(), QStringLiteral("导出任务结束！"));
  EXPECT_EQ(Child<QProgressBar>("pb")->value(), 3);
  EXPECT_TRUE(run->isEnabled());
}

TEST_F(ExportWindowRunTest, RefusedRunsShowWhyAndWriteNothing) {
  struct Case {
    const char* dpi_x;
    const char* dpi_y;
    QString error;
  };
  const Case cases[] = {
      /* 1 */ {"abc", "300", QStringLiteral("'abc' 不是有效的整数")},
      /* 2 */ {"300", "", QStringLiteral("'' 不是有效的整数")},
      /* 3 */ {"300", "1.5", QStringLiteral("'1.5' 不是有效的整数")},
      /* 4 */ {"0", "300", QStringFromGbk(ExportBadResolutionText(0, 300))},
  };
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i + 1);
    Open(rows_);
    const std::string folder = dir_.File("refused");
    ChooseFolder(folder);
    Child<QLineEdit>("edtDPI_X")->setText(c.dpi_x);
    Child<QLineEdit>("edtDPI_Y")->setText(c.dpi_y);
    errors_.clear();
    Child<QPushButton>("btnExport")->click();
    EXPECT_EQ(errors_, std::vector<QString>{c.error});
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_TRUE(opened_folders_.empty());
    EXPECT_EQ(Child<QLabel>("labPB")->text(), QStringLiteral("共有 3 条码数据, 点击[导出]按钮开始!"));
    EXPECT_TRUE(Child<QPushButton>("btnExport")->isEnabled());
    EXPECT_FALSE(window_->Running());
  }
}

TEST_F(ExportWindowRunTest, PrinterResolutionComesFromTheChosenPrinter) {
  Open(rows_);
  const std::string folder = dir_.File("printer");
  ChooseFolder(folder);
  Child<QRadioButton>("rbPrinterDpi")->click();
  Child<QPushButton>("btnExport")->click();

  if (printers_->PrinterNames().isEmpty()) {
    EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("没有安装打印机")});
    EXPECT_FALSE(std::filesystem::exists(folder));
    return;
  }
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(printers_->CurrentPrinterName(), printers_->PrinterNames().front());
  const ExportImageSize size = LabelImageSize(tpl_, printers_->DpiX(), printers_->DpiY());
  EXPECT_EQ(ImageSize(folder + "/42.bmp"), QSize(size.Width, size.Height));
}

}  // namespace
}  // namespace tagpress
