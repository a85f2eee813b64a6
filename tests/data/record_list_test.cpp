#include "data/record_list.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

std::vector<TLabelRecord> RecordsOf(const TLabelRecordList& list) {
  std::vector<TLabelRecord> records(list.RecordCount());
  for (int k = 1; k <= list.RecordCount(); ++k) list.GetRecord(k, records[k - 1]);
  return records;
}

TEST(TLabelRecordList, StartsWithHeaderAndOneBlankRow) {
  TLabelRecordList list;
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(1, 0), GBK("条码数字"));
  EXPECT_EQ(list.Cell(2, 0), GBK("上方文本"));
  EXPECT_EQ(list.Cell(3, 0), GBK("下方文本"));
  EXPECT_EQ(list.Cell(0, 1), "1");
  EXPECT_EQ(list.RecordCount(), 0);
}

TEST(TLabelRecordList, BlankRowsInsideCountButNotAfter) {
  TLabelRecordList list;
  list.SetCell(1, 1, "A");
  list.SetRowCount(5);
  list.SetCell(3, 3, "C");
  list.SetCell(2, 4, " \t ");
  EXPECT_EQ(list.RecordCount(), 3);
  TextLines lines;
  list.RecordsToLines(lines);
  EXPECT_EQ(lines, (TextLines{"A,,", ",,", ",,C"}));
}

TEST(TLabelRecordList, ImportAppendsAfterTheRecordsAndDropsTrailingBlanks) {
  TLabelRecordList list;
  int rebuilt = 0;
  list.OnRecordsRebuilt = [&] { ++rebuilt; };
  list.LinesToRecords({"1", "2", "3", "4", "5"});
  list.SetRowCount(8);  // two blank rows after the records
  list.LinesToRecords({"6", "", "7,up,down"});
  EXPECT_EQ(rebuilt, 2);
  EXPECT_EQ(list.RowCount(), 9);
  EXPECT_EQ(list.Cell(1, 6), "6");
  EXPECT_EQ(list.RecordCount(), 8);
  EXPECT_EQ(list.Cell(1, 7), "");  // a blank line is a record
  EXPECT_EQ(list.Cell(0, 8), "8");
  EXPECT_EQ(list.Cell(3, 8), "down");
}

TEST(TLabelRecordList, ImportingNothingLeavesOneBlankRow) {
  TempDir dir;
  TLabelRecordList list;
  list.LoadDataFile(dir.Write("empty.csv", ""));
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.RecordCount(), 0);
  list.LoadDataFile(dir.File("missing.csv"));  // nothing happens
  EXPECT_EQ(list.RowCount(), 2);
}

TEST(TLabelRecordList, FirstRecordsStartAtRowOne) {
  TLabelRecordList list;
  list.TrimBlankRows();
  list.AppendRecord("1", "", "");
  list.EndRecordUpdate();
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(1, 1), "1");
}

TEST(TLabelRecordList, DeleteShiftsUpAndRenumbers) {
  TLabelRecordList list;
  list.LinesToRecords({"a", "b", "c"});
  list.DeleteRecordRow(1);
  ASSERT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.Cell(1, 1), "b");
  EXPECT_EQ(list.Cell(1, 2), "c");
  EXPECT_EQ(list.Cell(0, 2), "2");
  list.DeleteRecordRow(2);
  list.DeleteRecordRow(1);
  EXPECT_EQ(list.RowCount(), 2);  // one data row always stays
  EXPECT_EQ(list.RecordCount(), 0);
}

TEST(TLabelRecordList, ExportThenImportGivesTheSameRecords) {
  TempDir dir;
  TLabelRecordList list;
  list.TrimBlankRows();
  list.AppendRecord("6901234567892", GBK("产品 A,\"特价\""), GBK("型号"));
  list.AppendRecord("", "", "");
  list.AppendRecord("ABC 123", " lead", "tab\tin");
  list.EndRecordUpdate();
  const std::string file = dir.File("out.csv");
  list.SaveDataFile(file);
  EXPECT_EQ(TempDir::Read(file).substr(0, 15), "6901234567892,\"");
  TLabelRecordList again;
  again.ClearRecords();
  again.LoadDataFile(file);
  EXPECT_EQ(RecordsOf(again), RecordsOf(list));
}

TEST(TLabelRecordList, ReadsUtf8DataFiles) {
  TempDir dir;
  TLabelRecordList list;
  list.LoadDataFile(dir.Write("u.csv", "\xEF\xBB\xBF" "6920,苹果,单价\r\n"));
  ASSERT_EQ(list.RecordCount(), 1);
  EXPECT_EQ(list.Cell(2, 1), GBK("苹果"));
}

TEST(TLabelRecordList, UnreadableFileLeavesTheList) {
  TempDir dir;
  TLabelRecordList list;
  list.LinesToRecords({"keep"});
  std::filesystem::create_directory(dir.path() / "folder.csv");
  // A directory exists but is no file: nothing is loaded.
  list.LoadDataFile(dir.File("folder.csv"));
  EXPECT_EQ(list.RecordCount(), 1);
  EXPECT_THROW(list.SaveDataFile(dir.File("folder.csv")), EFileError);
  EXPECT_EQ(list.Cell(1, 1), "keep");
}

}  // namespace
}  // namespace tagpress
