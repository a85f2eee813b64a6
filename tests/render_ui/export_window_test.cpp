// The export window before any run: its controls and captions, the folders
// it proposes, the folder chooser and the resolution choice; the entry
// function the main window calls.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <filesystem>
#include <set>

#include "data/record_list.h"
#include "platform/text_codec.h"
#include "print/label_text_context.h"
#include "render/ui/export_folders.h"
#include "tests/render_ui/export_window_fixture.h"

namespace tagpress {
namespace {

using test_support::ExportWindowTest;

std::vector<ExportRow> ThreeRows() {
  return {{"6901234567892", GBK("苹果"), GBK("单价:5元")}, {"6901234567893", "\"a b\",c", ""}, {"", "", ""}};
}

TEST_F(ExportWindowTest, StartsWithTheDefaultsAndCaptions) {
  Open(ThreeRows(), /*prepare=*/false);
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("批量导出条码图片"));

  auto* path = Child<QLineEdit>("edtPath");
  EXPECT_EQ(path->text(), Home() + QStringLiteral("/条码图像_2026-12-11/"));
  EXPECT_TRUE(path->isReadOnly());

  const struct {
    const char* name;
    QString caption;
  } options[] = {
      {"cbExportText", QStringLiteral("导出上方、下方文字")},
      {"cbFileName", QStringLiteral("文件名即为条码数字 (如: 6904040354.BMP)")},
      {"cbDelete", QStringLiteral("删除已存在的同名文件")},
  };
  for (const auto& option : options) {
    SCOPED_TRACE(option.name);
    auto* box = Child<QCheckBox>(option.name);
    EXPECT_EQ(box->text(), option.caption);
    EXPECT_TRUE(box->isChecked());
  }

  EXPECT_EQ(Child<QRadioButton>("rbCustomDpi")->text(), QStringLiteral("自定义分辨率"));
  EXPECT_TRUE(Child<QRadioButton>("rbCustomDpi")->isChecked());
  EXPECT_EQ(Child<QRadioButton>("rbPrinterDpi")->text(), QStringLiteral("使用下面打印机打印"));
  EXPECT_EQ(Child<QLineEdit>("edtDPI_X")->text(), QStringLiteral("300"));
  EXPECT_EQ(Child<QLineEdit>("edtDPI_Y")->text(), QStringLiteral("300"));
  auto* tip = Child<QLabel>("labTip");
  EXPECT_EQ(tip->text(), QStringLiteral("    注意：建议您选择与此分辨率相同的打印机来打印导出的条码图像。"));
  EXPECT_TRUE(tip->isVisibleTo(window_.get()));
  EXPECT_EQ(tip->palette().color(QPalette::WindowText), QColor(Qt::red));

  auto* printers = Child<QComboBox>("cbbPrinters");
  EXPECT_FALSE(printers->isEnabled());
  ASSERT_EQ(printers->count(), printers_->PrinterNames().size());
  if (printers->count() > 0) {
    EXPECT_EQ(printers->currentIndex(), 0);
  }

  auto* grid = Child<QTableWidget>("sgBarcodes");
  ASSERT_EQ(grid->columnCount(), 4);
  const QStringList headers = QStringLiteral("序号,条码数字,上方文本,下方文本").split(u',');
  const int widths[] = {40, 108, 115, 129};
  for (int column = 0; column < 4; ++column) {
    SCOPED_TRACE(column);
    EXPECT_EQ(grid->horizontalHeaderItem(column)->text(), headers[column]);
    EXPECT_EQ(grid->columnWidth(column), widths[column]);
  }

  EXPECT_EQ(Child<QListWidget>("lbError")->count(), 0);
  EXPECT_EQ(Child<QProgressBar>("pb")->value(), 0);
  EXPECT_EQ(Child<QLabel>("labPB")->text(), QStringLiteral("点击[导出]按钮开始!"));
  auto* run = Child<QPushButton>("btnExport");
  EXPECT_EQ(run->text(), QStringLiteral("导出!"));
  EXPECT_TRUE(run->font().bold());
  EXPECT_FALSE(run->isEnabled());  // nothing to draw before PrepareExport
  EXPECT_EQ(Child<QPushButton>("Button2")->text(), QStringLiteral("关闭(&C)"));
  EXPECT_NE(Child<QToolButton>("SpeedButton1"), nullptr);

  std::set<QString> groups;
  for (const QGroupBox* group : window_->findChildren<QGroupBox*>()) groups.insert(group->title());
  EXPECT_EQ(groups, (std::set<QString>{QStringLiteral("导出设置"), QStringLiteral("图像分辨率(dpi)"),
                                       QStringLiteral("将被导出的数据"), QStringLiteral("导出信息")}));
  std::set<QString> labels;
  for (const QLabel* label : window_->findChildren<QLabel*>()) labels.insert(label->text());
  EXPECT_TRUE(labels.count(QStringLiteral("条码图片保存到文件夹：")));
  EXPECT_TRUE(labels.count(QStringLiteral("完成进度:")));
  EXPECT_TRUE(labels.count(QStringLiteral("*")));
}

TEST_F(ExportWindowTest, GridShowsTheRowsNumberedWithTheirTexts) {
  Open(ThreeRows());
  auto* grid = Child<QTableWidget>("sgBarcodes");
  ASSERT_EQ(grid->rowCount(), 3);
  const QStringList expected[] = {
      {"1", "6901234567892", QStringLiteral("苹果"), QStringLiteral("单价:5元")},
      {"2", "6901234567893", "\"a b\",c", ""},
      {"3", "", "", ""},
  };
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column) {
      SCOPED_TRACE(QString("%1,%2").arg(row).arg(column).toStdString());
      EXPECT_EQ(grid->item(row, column)->text(), expected[row][column]);
      EXPECT_FALSE(grid->item(row, column)->flags() & Qt::ItemIsEditable);
    }
}

TEST_F(ExportWindowTest, PrepareExportAnnouncesTheRowsAndProposesAFolderBesideTheTemplate) {
  const std::string folder = dir_.File("模板 文件夹");
  std::filesystem::create_directories(folder);
  const std::string stored = folder + "/label.bcf";
  tpl_.SaveToFile(stored);

  struct Case {
    std::string file_name;
    int rows;
    QString ready;
    QString folder;
  };
  const QString home_default = Home() + QStringLiteral("/条码图像_2026-12-11/");
  const Case cases[] = {
      /* 1 */ {"", 3, QStringLiteral("共有 3 条码数据, 点击[导出]按钮开始!"), home_default},
      /* 2 */
      {stored, 1, QStringLiteral("共有 1 条码数据, 点击[导出]按钮开始!"),
       QString::fromStdString(folder) + QStringLiteral("/条码图像2026-12-11/")},
      /* 3 */
      {folder + "/missing.bcf", 2, QStringLiteral("共有 2 条码数据, 点击[导出]按钮开始!"), home_default},
  };
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i + 1);
    tpl_.FileName = c.file_name;
    std::vector<ExportRow> rows(c.rows, ExportRow{"1", "", ""});
    Open(std::move(rows));
    EXPECT_EQ(Child<QLabel>("labPB")->text(), c.ready);
    EXPECT_EQ(Child<QProgressBar>("pb")->maximum(), c.rows);
    EXPECT_EQ(Child<QLineEdit>("edtPath")->text(), c.folder);
    EXPECT_TRUE(Child<QPushButton>("btnExport")->isEnabled());
  }
}

TEST_F(ExportWindowTest, FolderNamesCarryTheShortDateWithoutPathSeparators) {
  const QDate date(2026, 3, 5);
  struct Case {
    QLocale locale;
    QString text;
  };
  const Case cases[] = {
      /* 1 */ {QLocale(QLocale::Chinese, QLocale::China), "2026-3-5"},
      /* 2 */ {QLocale(QLocale::English, QLocale::UnitedStates), "3-5-26"},
      /* 3 */ {QLocale(QLocale::German, QLocale::Germany), "05.03.26"},
  };
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(FolderDateText(date, cases[i].locale), cases[i].text);
  }
}

TEST_F(ExportWindowTest, ResolutionRadioButtonsEnableTheirControls) {
  Open(ThreeRows());
  auto* custom = Child<QRadioButton>("rbCustomDpi");
  auto* printer = Child<QRadioButton>("rbPrinterDpi");
  auto* dpi_x = Child<QLineEdit>("edtDPI_X");
  auto* dpi_y = Child<QLineEdit>("edtDPI_Y");
  auto* tip = Child<QLabel>("labTip");
  auto* printers = Child<QComboBox>("cbbPrinters");

  printer->click();
  EXPECT_FALSE(custom->isChecked());
  EXPECT_FALSE(dpi_x->isEnabled());
  EXPECT_FALSE(dpi_y->isEnabled());
  EXPECT_FALSE(tip->isVisibleTo(window_.get()));
  EXPECT_TRUE(printers->isEnabled());

  custom->click();
  EXPECT_FALSE(printer->isChecked());
  EXPECT_TRUE(dpi_x->isEnabled());
  EXPECT_TRUE(dpi_y->isEnabled());
  EXPECT_TRUE(tip->isVisibleTo(window_.get()));
  EXPECT_FALSE(printers->isEnabled());
}

TEST_F(ExportWindowTest, FolderChooserAnswersEndUpInThePathWithOneSlash) {
  struct Case {
    std::optional<QString> answer;
    QString path;
  };
  const QString unchanged = Home() + QStringLiteral("/条码图像_2026-12-11/");
  const Case cases[] = {
      /* 1 */ {std::nullopt, unchanged},  // cancelled
      /* 2 */ {QStringLiteral("/tmp/标签"), QStringLiteral("/tmp/标签/")},
      /* 3 */ {QStringLiteral("/tmp/out/"), QStringLiteral("/tmp/out/")},
      /* 4 */ {QStringLiteral("/"), QStringLiteral("/")},
  };
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    SCOPED_TRACE(i + 1);
    Open(ThreeRows());
    browse_answer_ = cases[i].answer;
    browse_titles_.clear();
    browse_start_folders_.clear();
    Child<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(browse_titles_, std::vector<QString>{QStringLiteral("选择导出到的文件夹")});
    EXPECT_EQ(browse_start_folders_, std::vector<QString>{unchanged});
    EXPECT_EQ(Child<QLineEdit>("edtPath")->text(), cases[i].path);
  }
}

TEST_F(ExportWindowTest, EntryFunctionShowsTheRecordsModallyWithExpandedTexts) {
  TLabelRecordList records;
  records.LinesToRecords({GBK("6901234567892,码[条码数字],"), GBK(" 123 ,,[1+2]")});
  LabelTextContext texts;

  QString title, ready;
  QStringList cells;
  bool modal = false;
  test_support::AnswerNextModal([&](QWidget* window) {
    title = window->windowTitle();
    modal = window->isModal();
    auto* grid = window->findChild<QTableWidget*>("sgBarcodes");
    for (int row = 0; grid && row < grid->rowCount(); ++row)
      for (int column = 1; column < 4; ++column) cells << grid->item(row, column)->text();
    ready = window->findChild<QLabel*>("labPB")->text();
    window->findChild<QPushButton*>("Button2")->click();
  });
  ShowExportWindow(nullptr, tpl_, records, texts, *printers_);

  EXPECT_EQ(title, QStringLiteral("批量导出条码图片"));
  EXPECT_TRUE(modal);
  EXPECT_EQ(cells, (QStringList{"6901234567892", QStringLiteral("码6901234567892"), "", "123", "", "3"}));
  EXPECT_EQ(ready, QStringLiteral("共有 2 条码数据, 点击[导出]按钮开始!"));
}

}  // namespace
}  // namespace tagpress
