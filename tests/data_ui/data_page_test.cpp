#include "data/ui/data_page.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "data/record_list.h"
#include "data/serial_generator.h"
#include "data/ui/data_edit_form.h"
#include "data/ui/record_grid.h"
#include "data/ui/record_grid_model.h"
#include "platform/text_codec.h"
#include "template/barcode_file.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_application.h"

namespace tagpress {
namespace {

using test_support::AnswerNextModal;

TextLines LinesOf(const TLabelRecordList& records) {
  TextLines lines;
  records.RecordsToLines(lines);
  return lines;
}

class DataPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_support::EnsureWidgetApplication();
    page = std::make_unique<DataPage>(records, tpl);
    QObject::connect(page.get(), &DataPage::RecordCountTextChanged,
                     [this](const QString& text) { count_text = text; });
    QObject::connect(page.get(), &DataPage::StatusTextChanged,
                     [this](const QString& text) { status_texts.push_back(text); });
    page->resize(800, 600);
    page->show();
    grid = page->sgData();
  }

  // The open in-place editor of the current cell.
  QLineEdit* Editor() const { return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex())); }

  void Load(const TextLines& lines) { records.LinesToRecords(lines); }

  TBarcodeFile tpl;
  TLabelRecordList records;
  std::unique_ptr<DataPage> page;
  TRecordGrid* grid = nullptr;
  QString count_text;
  QStringList status_texts;
};

TEST_F(DataPageTest, GridShowsTheListWithHeaderAndNumbers) {
  Load({"1,a,b", "2,c,d"});
  EXPECT_EQ(grid->objectName(), "sgData");
  EXPECT_EQ(grid->model()->rowCount(), 2);
  EXPECT_EQ(grid->model()->columnCount(), 3);
  EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("条码数字"));
  EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("下方文本"));
  EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), "2");
  EXPECT_EQ(grid->model()->index(1, 1).data().toString(), "c");
  EXPECT_EQ(grid->verticalHeader()->width(), 50);
  EXPECT_EQ(grid->horizontalHeader()->sectionSize(0), 118);
  EXPECT_EQ(grid->horizontalHeader()->sectionSize(1), 166);
  EXPECT_EQ(grid->horizontalHeader()->sectionSize(2), 154);
  EXPECT_EQ(grid->rowHeight(0), 18);
  // The rebuilt list opens row 1, column 1 for typing and shows the count.
  EXPECT_EQ(grid->CurrentRow(), 1);
  EXPECT_EQ(grid->CurrentColumn(), 1);
  ASSERT_NE(Editor(), nullptr);
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：2 条"));
}

TEST_F(DataPageTest, TypingIntoTheLastRowAppendsANumberedRow) {
  ASSERT_EQ(records.RowCount(), 2);
  ASSERT_TRUE(grid->SelectCell(1, 1));
  ASSERT_NE(Editor(), nullptr);
  QTest::keyClicks(Editor(), "690");
  EXPECT_EQ(records.Cell(1, 1), "690");
  ASSERT_EQ(records.RowCount(), 3);
  EXPECT_EQ(records.Cell(0, 2), "2");
  EXPECT_EQ(grid->model()->rowCount(), 2);
  EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), "2");
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：1 条"));

  // Spaces leave the row blank: no row is added below it.
  ASSERT_TRUE(grid->SelectCell(2, 2));
  QTest::keyClicks(Editor(), "   ");
  EXPECT_EQ(records.Cell(2, 2), "   ");
  EXPECT_EQ(records.RowCount(), 3);
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：1 条"));
}

TEST_F(DataPageTest, RowsBeyondTheOneAfterTheLastRecordCannotBeSelected) {
  Load({"1", "2"});
  records.SetRowCount(6);  // rows 3 to 5 blank
  page->RecordsChanged();
  EXPECT_FALSE(grid->SelectCell(1, 5));
  EXPECT_EQ(grid->CurrentRow(), 1);
  EXPECT_TRUE(grid->SelectCell(1, 3));
  EXPECT_EQ(grid->CurrentRow(), 3);
  EXPECT_FALSE(grid->SelectCell(1, 4));

  // Neither the mouse nor the cursor keys get there.
  grid->SelectCell(1, 3);
  const QRect row5 = grid->visualRect(grid->model()->index(4, 0));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, row5.center());
  EXPECT_EQ(grid->CurrentRow(), 3);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(grid->CurrentRow(), 3);
  QTest::keyClick(grid, Qt::Key_Up);
  EXPECT_EQ(grid->CurrentRow(), 2);
}

TEST_F(DataPageTest, EnterMovesRightThenToTheNextRow) {
  Load({"1,a,b"});
  ASSERT_EQ(records.RowCount(), 2);
  grid->SelectCell(1, 1);
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_EQ(grid->CurrentColumn(), 2);
  grid->SelectCell(3, 1);
  QTest::keyClick(Editor(), Qt::Key_Return);
  // Row 1 was the last row: a blank row 2 is appended and becomes current.
  EXPECT_EQ(records.RowCount(), 3);
  EXPECT_EQ(grid->CurrentRow(), 2);
  EXPECT_EQ(grid->CurrentColumn(), 1);
  ASSERT_NE(Editor(), nullptr);
  // From the blank last row, Enter appends one more row but may not enter it.
  grid->SelectCell(3, 2);
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_EQ(records.RowCount(), 4);
  EXPECT_EQ(grid->CurrentRow(), 2);
}

TEST_F(DataPageTest, DirectEditCancelLeavesTheListAndOkRebuildsIt) {
  Load({"69200382193,\"a b\",x", "", "2,,\"q\"\"uote\""});
  records.AppendRecord("", "", "");
  const TextLines before = LinesOf(records);
  const int rows_before = records.RowCount();

  AnswerNextModal([](QWidget* modal) {
    auto* form = qobject_cast<TForm_DataEdit*>(modal);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("条码数据的直接编辑"));
    form->memData()->setPlainText("changed");
    form->findChild<QPushButton*>("btnCancel")->click();
  });
  page->ActionRealEditExecute();
  EXPECT_EQ(LinesOf(records), before);
  EXPECT_EQ(records.RowCount(), rows_before);

  AnswerNextModal([](QWidget* modal) { modal->findChild<QPushButton*>("btnOK")->click(); });
  page->ActionRealEditExecute();
  EXPECT_EQ(LinesOf(records), before);
  EXPECT_EQ(records.RowCount(), 4);  // header and the three records
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：3 条"));
}

TEST_F(DataPageTest, ConfirmingAnEmptyDirectEditLeavesOneBlankRow) {
  Load({"1", "2"});
  AnswerNextModal([](QWidget* modal) {
    auto* form = static_cast<TForm_DataEdit*>(modal);
    form->memData()->clear();
    form->findChild<QPushButton*>("btnOK")->click();
  });
  page->ActionRealEditExecute();
  EXPECT_EQ(records.RowCount(), 2);
  EXPECT_EQ(records.RecordCount(), 0);
  EXPECT_EQ(grid->model()->rowCount(), 1);
}

TEST_F(DataPageTest, ClearAsksFirst) {
  Load({"1", "2"});
  AnswerNextModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("清除提示"));
    EXPECT_EQ(box->text(), QStringLiteral("确实要清除以上所有数据吗？"));
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    box->button(QMessageBox::No)->click();
  });
  page->btnClearDataClick();
  EXPECT_EQ(records.RecordCount(), 2);

  AnswerNextModal(
      [](QWidget* modal) { static_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click(); });
  page->btnClearDataClick();
  EXPECT_EQ(records.RecordCount(), 0);
  EXPECT_EQ(records.RowCount(), 2);
  EXPECT_EQ(grid->model()->rowCount(), 1);
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：0 条"));
}

TEST_F(DataPageTest, DeleteRemovesTheCurrentRow) {
  Load({"1", "2", "3"});
  grid->SelectCell(1, 2);
  page->btnDeleteRowClick();
  EXPECT_EQ(LinesOf(records), (TextLines{"1,,", "3,,"}));
  EXPECT_EQ(grid->model()->rowCount(), 2);
  EXPECT_EQ(grid->model()->headerData(1, Qt::Vertical).toString(), "2");
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：2 条"));
}

TEST_F(DataPageTest, ImportAppendsAndSaveWritesTheFile) {
  testing::TempDir dir;
  const std::string input = dir.Write("in.TXT", GBK("5,苹果,\"x,y\"\r\n6\r\n"));
  const std::string output = dir.File("out.txt");
  std::vector<FileDialogRequest> requests;
  QString answer;
  page->ChooseFile = [&](const FileDialogRequest& request) {
    requests.push_back(request);
    return answer;
  };
  Load({"1"});
  answer = QString::fromStdString(input);
  page->ActionImportDataExecute();
  EXPECT_EQ(LinesOf(records), (TextLines{"1,,", GBK("5,苹果,\"x,y\""), "6,,"}));
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：3 条"));

  answer = QString::fromStdString(output);
  page->ActionOutputDataExecute();
  EXPECT_EQ(testing::TempDir::Read(output), GBK("1,,\r\n5,苹果,\"x,y\"\r\n6,,\r\n"));

  ASSERT_EQ(requests.size(), 2u);
  EXPECT_FALSE(requests[0].Save);
  EXPECT_EQ(requests[0].DefaultSuffix, "txt");
  EXPECT_EQ(requests[0].Filters, (QStringList{"文本文件(*.TXT)", "CSV文件(*.CSV)", "所有文件 (*)"}));
  EXPECT_TRUE(requests[1].Save);
  EXPECT_EQ(requests[1].Filters, (QStringList{"文本文件(*.TXT)", "所有文件 (*)"}));
  // The export dialog opens where the import found its file.
  EXPECT_EQ(requests[1].Directory, QString::fromStdString(dir.path().string()));
}

TEST_F(DataPageTest, CancelledImportAndFailedSaveChangeNothing) {
  testing::TempDir dir;
  Load({"1"});
  page->ChooseFile = [](const FileDialogRequest&) { return QString(); };
  page->ActionImportDataExecute();
  EXPECT_EQ(LinesOf(records), (TextLines{"1,,"}));

  // Saving onto a folder fails with a message; the list stays.
  page->ChooseFile = [&](const FileDialogRequest&) { return QString::fromStdString(dir.path().string()); };
  AnswerNextModal([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
    box->accept();
  });
  page->ActionOutputDataExecute();
  EXPECT_EQ(LinesOf(records), (TextLines{"1,,"}));
}

TEST_F(DataPageTest, SerialGroupChecksAsTheUserTypesAndGenerates) {
  auto* start = page->findChild<QLineEdit*>("edtLSHStart");
  auto* label = page->findChild<QLabel*>("LabelIncText");
  auto* button = page->findChild<QPushButton*>("btnProduct");
  auto* begin = page->findChild<QSpinBox*>("edtLSHBegin");
  auto* end = page->findChild<QSpinBox*>("edtLSHEnd");
  auto* sum = page->findChild<QSpinBox*>("edtLSHSum");
  ASSERT_TRUE(start && label && button && begin && end && sum);

  QTest::keyClicks(start, "ABC1234567DF");
  EXPECT_EQ(label->text(), QStringLiteral("(\"1234567\",可以产生！)"));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 128, 0));
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(begin->value(), 4);
  EXPECT_EQ(end->value(), 10);
  EXPECT_EQ(end->maximum(), 12);
  EXPECT_EQ(tpl.LSHStart(), "ABC1234567DF");

  tpl.SetUpText("u");
  tpl.SetDownText("d");
  sum->setValue(3);
  EXPECT_EQ(tpl.LSHSum(), 3);
  Load({"old"});
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(LinesOf(records),
            (TextLines{"old,,", "ABC1234567DF,u,d", "ABC1234568DF,u,d", "ABC1234569DF,u,d"}));
  EXPECT_EQ(start->text(), "ABC1234570DF");
  EXPECT_EQ(grid->model()->rowCount(), 4);
  EXPECT_EQ(count_text, QStringLiteral("条码区数量：4 条"));
  ASSERT_EQ(status_texts.size(), 4);
  EXPECT_EQ(status_texts.first(), QStringLiteral("正在产生第 1 条数据，共 3 条..."));
  EXPECT_TRUE(status_texts.last().isEmpty());
  EXPECT_TRUE(button->isEnabled());

  start->clear();
  EXPECT_EQ(label->text(), QStringLiteral("(范围错)"));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_FALSE(button->isEnabled());
}

TEST_F(DataPageTest, TemplateToControlsFillsTheSerialFields) {
  tpl.SetLSHStart("A0009");
  tpl.SetLSHBegin(2);
  tpl.SetLSHEnd(5);
  tpl.SetLSHRepeat(3);
  page->TemplateToControls();
  EXPECT_EQ(page->findChild<QLineEdit*>("edtLSHStart")->text(), "A0009");
  EXPECT_EQ(page->findChild<QSpinBox*>("edtLSHBegin")->value(), 2);
  EXPECT_EQ(page->findChild<QSpinBox*>("edtLSHTimes")->value(), 3);
  page->SetSerialStart("77");
  EXPECT_EQ(page->findChild<QLineEdit*>("edtLSHStart")->text(), "77");
  EXPECT_EQ(tpl.LSHStart(), "77");
}

}  // namespace
}  // namespace tagpress
