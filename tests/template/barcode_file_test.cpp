#include "template/barcode_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

TEST(TBarcodeFile, NewStoreSavesTheResetLines) {
  TempDir dir;
  TBarcodeFile store;
  EXPECT_FALSE(store.Modified());
  EXPECT_TRUE(store.FileName.empty());
  const std::string file = dir.File("new.bcf");
  store.SaveToFile(file);
  const std::vector<std::string> expected = {
      "BarAutoModul=-1", "BarHeight=8.00", "BarGap=2.00", "BarColor=0", "BarType=0", "BarSelfStyle=-1",
      "UpText=" + GBK("品牌"), "UpTextRowGap=0.00", "UpTextBarGap=1.00", "UpTextAlignment=2",
      "DownText=" + GBK("产品名称"), "DownTextRowGap=0.00", "DownTextBarGap=1.00", "DownTextAlignment=2",
      "BarTextStart=12345678", "BarTextGap=0.00", "BarTextVisible=-1", "BarTextLeftDecorate=",
      "BarTextRightDecorate=", "LabelWidth=40.00", "LabelHeight=30.00", "BarNumInOne=1",
      "LabelPutDirection=0", "PrintInternalLine=-1", "PrintInternalCutLine=0",
      "PageCenterFooter=" + GBK("打印 [日期]"), "PageRightFooter=" + GBK("第 [页号] 页，共 [总页数] 页"),
      "PageRowGap=5.00", "PageColGap=5.00", "PageLeftGap=4.00", "PageTopGap=4.00", "Printer=" + GBK("默认"),
      "Rows=0", "Cols=0", "PrintGrid=0", "PrintCutLine=-1", "PrintHeaderFooter=-1", "LSHStart=",
      "LSHBegin=1", "LSHEnd=1", "LSHInc=1", "LSHSum=100"};
  ASSERT_EQ(expected.size(), 42u);
  std::string bytes;
  for (const auto& line : expected) bytes += line + "\r\n";
  EXPECT_EQ(TempDir::Read(file), bytes);
  EXPECT_EQ(store.UpTextFont().Name, GBK("宋体"));
  EXPECT_EQ(store.UpTextFont().Size(), 9);
  EXPECT_EQ(store.BarTextFont().Name, "OCR-B 10 BT");
  EXPECT_EQ(store.BarTextFont().Size(), 8);
}

TEST(TBarcodeFile, RealNotations) {
  TBarcodeFile store;
  store.SetLabelTop(1.234);
  EXPECT_EQ(store.ReadText("LabelTop"), "1.23");
  EXPECT_DOUBLE_EQ(store.LabelTop(), 1.23);
  store.SetLabelTop(1.234);
  EXPECT_EQ(store.ReadText("LabelTop"), "1.234");
  store.SetBarHeight(12);
  EXPECT_EQ(store.ReadText("BarHeight"), "12");
  EXPECT_EQ(store.Lines()[1], "BarHeight=12");  // kept its place
}

TEST(TBarcodeFile, NamesIgnoreCaseAndTheFirstLineWins) {
  TempDir dir;
  TBarcodeFile store;
  store.LoadFromFile(dir.Write("t.bcf", "x=1\r\nbarheight=5\r\nBarHeight=7\r\nBarHeight =9\r\nno equals\r\n"));
  EXPECT_DOUBLE_EQ(store.BarHeight(), 5);
  store.SetBarHeight(12);
  EXPECT_EQ(store.Lines(), (std::vector<std::string>{"x=1", "BarHeight=12", "BarHeight=7", "BarHeight =9",
                                                      "no equals"}));
  EXPECT_TRUE(store.Modified());
}

TEST(TBarcodeFile, ReadsBooleansColoursAndAbsentValues) {
  TempDir dir;
  TBarcodeFile store;
  struct Case {
    const char* line;
    bool visible;
  };
  const Case cases[] = {{"BarTextVisible=True", true}, {"BarTextVisible=tRUE", true}, {"BarTextVisible=1", true},
                        {"BarTextVisible=2", true},    {"BarTextVisible=0", false},   {"BarTextVisible=abc", false},
                        {"Other=1", false}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    store.LoadFromFile(dir.Write("b.bcf", std::string(cases[i].line) + "\r\n"));
    EXPECT_EQ(store.BarTextVisible(), cases[i].visible);
    EXPECT_TRUE(store.BarSelfStyle());                 // absent reads true
    EXPECT_EQ(store.BackgroundColor(), 16777215);      // absent reads white
    EXPECT_DOUBLE_EQ(store.BarHeight(), 0);            // absent: not the reset value
  }
  store.LoadFromFile(dir.Write("c.bcf", "BackgroundColor=abc\r\nBarSelfStyle=0\r\n"));
  EXPECT_EQ(store.BackgroundColor(), 0);
  EXPECT_FALSE(store.BarSelfStyle());
}

TEST(TBarcodeFile, ByteAndWordKeysKeepTheirLowBits) {
  TBarcodeFile store;
  store.SetBarType(256 + 7);
  EXPECT_EQ(store.BarType(), 7);
  store.SetRows(65536 + 3);
  EXPECT_EQ(store.Rows(), 3);
  store.SetCols(-1);
  EXPECT_EQ(store.Cols(), 65535);
}

TEST(TBarcodeFile, EmptyTextRemovesTheLineOrAppendsIt) {
  TBarcodeFile store;
  store.SetPageLeftHeader("x");
  const size_t with_line = store.Lines().size();
  store.SetPageLeftHeader("");
  EXPECT_EQ(store.Lines().size(), with_line - 1);
  store.SetPageLeftHeader("");
  EXPECT_EQ(store.Lines().back(), "PageLeftHeader=");
}

TEST(TBarcodeFile, EventsCanRefuseAWrite) {
  TBarcodeFile store;
  std::vector<std::string> told;
  store.OnAfterChange = [&](const std::string& name, const TBarcodeFile::Value& value) {
    told.push_back(name + "=" + std::to_string(std::get<double>(value)));
  };
  store.OnBeforeChange = [](const std::string&, const TBarcodeFile::Value&, bool& allow) { allow = false; };
  const auto before = store.Lines();
  store.SetBarHeight(99);
  EXPECT_EQ(store.Lines(), before);
  EXPECT_FALSE(store.Modified());
  EXPECT_TRUE(told.empty());
  store.OnBeforeChange = nullptr;
  store.SetBarHeight(9);
  EXPECT_EQ(told, (std::vector<std::string>{"BarHeight=9.000000"}));
}

TEST(TBarcodeFile, ResetKeepsUnknownLinesAndTheSampleDigits) {
  TempDir dir;
  TBarcodeFile store;
  store.LoadFromFile(dir.Write("t.bcf", "BarTextStart=690100012542\r\nMyKey=keep\r\nLabelTop=3\r\nBarHeight=20\r\n"));
  store.FileName = "t.bcf";
  store.Reset();
  EXPECT_EQ(store.BarTextStart(), "690100012542");
  EXPECT_EQ(store.ReadText("MyKey"), "keep");
  EXPECT_DOUBLE_EQ(store.LabelTop(), 3);
  EXPECT_EQ(store.ReadText("BarHeight"), "8");
  EXPECT_TRUE(store.FileName.empty());
  EXPECT_FALSE(store.Modified());
  const std::string file = dir.File("saved.bcf");
  store.SaveToFile(file);
  EXPECT_NE(TempDir::Read(file).find("MyKey=keep\r\n"), std::string::npos);
}

TEST(TBarcodeFile, FontKeysDecodeOnLoadAndAbsentKeysKeepTheObject) {
  TempDir dir;
  TBarcodeFile store;
  TFont big = store.UpTextFont();
  big.SetSize(20);
  big.Bold = true;
  store.SetUpTextFont(big);
  EXPECT_EQ(store.ReadText("UpTextFont"), FontToText(big));

  store.LoadFromFile(dir.Write("t.bcf", "DownTextFont=Arial,0,12,255,-16,0,0,-1,0,0\r\n"));
  EXPECT_EQ(store.UpTextFont(), big);  // no key: kept as it was
  EXPECT_EQ(store.DownTextFont().Name, "Arial");
  EXPECT_TRUE(store.DownTextFont().Italic);
}

TEST(TBarcodeFile, BadInputFailsWithTheFileNamed) {
  TempDir dir;
  TBarcodeFile store;
  // Binary junk, lines without "=", a long line and a truncated GBK character load without harm.
  std::string junk = "\x01\xFF\xFE=\x80\r\nBarHeight=\xB5";
  junk += "\r\n" + std::string(200000, 'x') + "\r\nBarGap=3\r\n\xB5";
  store.LoadFromFile(dir.Write("junk.bcf", junk));
  EXPECT_DOUBLE_EQ(store.BarHeight(), 0);
  EXPECT_DOUBLE_EQ(store.BarGap(), 3);

  try {
    store.LoadFromFile(dir.Write("font.bcf", "UpTextFont=Arial,0\r\nBarGap=4\r\n"));
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("font.bcf"), std::string::npos);
  }
  EXPECT_DOUBLE_EQ(store.BarGap(), 4);  // the key list was replaced all the same

  EXPECT_THROW(store.LoadFromFile(dir.File("missing.bcf")), EFileError);
  EXPECT_DOUBLE_EQ(store.BarGap(), 4);
}

TEST(TBarcodeFile, FailedSaveKeepsTheOldFileAndFlags) {
  TempDir dir;
  TBarcodeFile store;
  store.SetBarHeight(10);
  store.FileName = dir.File("no/such/dir/t.bcf");
  EXPECT_THROW(store.Save(), EFileError);
  EXPECT_TRUE(store.Modified());
  store.FileName = dir.File("t.bcf");
  store.Save();
  EXPECT_FALSE(store.Modified());
  TBarcodeFile reloaded;
  reloaded.LoadFromFile(store.FileName);
  EXPECT_EQ(reloaded.Lines(), store.Lines());
}

}  // namespace
}  // namespace tagpress
