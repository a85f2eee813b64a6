#include "render/export_rows.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "print/label_text_context.h"
#include "render/export_file_name.h"

namespace tagpress {
namespace {

class ExportRowsTest : public ::testing::Test {
 protected:
  ExportRowsTest() {
    tpl_.SetBarTextStart(" 690123456789 ");
    tpl_.SetUpText(GBK(" 样品[条码数字] "));
    tpl_.SetDownText("\tlow ");
  }

  std::vector<ExportRow> Rows() { return BuildExportRows(records_, tpl_, texts_); }

  TBarcodeFile tpl_;
  TLabelRecordList records_;
  LabelTextContext texts_;
};

TEST_F(ExportRowsTest, WithoutRecordsTheTemplateSampleIsTheOneRow) {
  const std::vector<ExportRow> rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Digits, "690123456789");
  EXPECT_EQ(rows[0].UpText, GBK("样品690123456789"));
  EXPECT_EQ(rows[0].DownText, "low");
}

TEST_F(ExportRowsTest, ASingleRecordIsExportedItself) {
  records_.TrimBlankRows();  // as the data file loads
  records_.AppendRecord(" 111 ", GBK("[条码数字]"), "");
  records_.EndRecordUpdate();
  const std::vector<ExportRow> rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].Digits, "111");
  EXPECT_EQ(rows[0].UpText, "111");
}

TEST_F(ExportRowsTest, EveryRowIsTrimmedAndExpandedWithItsOwnDigits) {
  records_.TrimBlankRows();
  records_.AppendRecord("111", GBK("编号[条码数字]"), " [1+1] ");
  records_.AppendRecord("", "", "");
  records_.AppendRecord("\t333\r", "[", "x");
  records_.EndRecordUpdate();
  const std::vector<ExportRow> rows = Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Digits, "111");
  EXPECT_EQ(rows[0].UpText, GBK("编号111"));
  EXPECT_EQ(rows[0].DownText, "2");
  EXPECT_EQ(rows[1].Digits, "");  // blank rows are exported too
  EXPECT_EQ(rows[1].UpText, "");
  EXPECT_EQ(rows[2].Digits, "333");
  EXPECT_EQ(rows[2].UpText, "[");
}

TEST(ExportFileName, NamesComeFromDigitsOrRowNumbers) {
  struct Case {
    std::string folder, digits;
    int row;
    bool after_digits;
    std::string path;
  };
  const Case cases[] = {
      {"/out", "6901234567892", 1, true, "/out/6901234567892.bmp"},
      {"/out/", "123", 1, true, "/out/123.bmp"},
      {"/out", "123", 12, false, "/out/barcode_12.bmp"},
      {"/out", "", 1, true, "/out/.bmp"},
      // 4: separators and control characters cannot leave the folder or break the name.
      {"/out", "../x", 1, true, "/out/.._x.bmp"},
      {"/out", "A/B\\C", 1, true, "/out/A_B_C.bmp"},
      {"/out", std::string("a\0b\x1f\x7f", 5), 1, true, "/out/a_b__.bmp"},
      // 7: a GBK character whose second byte is a backslash stays whole.
      {"/out", "\x81\x5c", 1, true, "/out/\xe4\xb9\x97.bmp"},
      {"/out", GBK("条码"), 1, true, "/out/条码.bmp"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ExportFilePath(cases[i].folder, cases[i].digits, cases[i].row, cases[i].after_digits),
              cases[i].path);
  }
}

}  // namespace
}  // namespace tagpress
