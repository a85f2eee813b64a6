#include "data/serial_generator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barcode/barcode_types.h"
#include "data/record_list.h"
#include "platform/text_codec.h"
#include "template/barcode_file.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

std::vector<std::string> DigitsOf(const TLabelRecordList& list) {
  std::vector<std::string> digits;
  TLabelRecord record;
  for (int k = 1; k <= list.RecordCount(); ++k) {
    list.GetRecord(k, record);
    digits.push_back(record.Digits);
  }
  return digits;
}

class SerialGeneratorTest : public ::testing::Test {
 protected:
  TBarcodeFile tpl;
  TLabelRecordList records;
  TSerialGenerator generator{tpl, records};
};

// The range label after the start code is typed.
TEST_F(SerialGeneratorTest, RangeDetectionAndLabel) {
  struct Case {
    const char* start;
    int begin;
    int end;
    const char* label;  // UTF-8
    bool can_generate;
  };
  static const Case kCases[] = {
      /* 0 */ {"12345678", 1, 8, "(\"12345678\",可以产生！)", true},
      /* 1 */ {"ABC1234567DF", 4, 10, "(\"1234567\",可以产生！)", true},
      // Twelve digits do not fit the counter: the start moves to the tail.
      /* 2 */ {"690100012542", 3, 12, "(\"0100012542\",可以产生！)", true},
      // The end's check moves the start to the tail 345, past the end 4.
      /* 3 */ {"AB12CD345", 7, 4, "(范围错)", false},
      /* 4 */ {"", 1, 1, "(范围错)", false},
      /* 5 */ {"ABC", 3, 3, "(\"C\",可能含有字母)", false},
      /* 6 */ {"A0009", 2, 5, "(\"0009\",可以产生！)", true},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = kCases[i];
    TBarcodeFile fresh;
    TLabelRecordList list;
    TSerialGenerator g(fresh, list);
    g.SetStart("X");  // the start code always changes below, also to ""
    g.SetStart(c.start);
    EXPECT_EQ(g.Begin(), c.begin);
    EXPECT_EQ(g.End(), c.end);
    EXPECT_EQ(GbkToUtf8(g.RangeState().Text), c.label);
    EXPECT_EQ(g.RangeState().CanGenerate, c.can_generate);
    EXPECT_EQ(g.RangeState().Color,
              c.can_generate ? TSerialGenerator::kColorGreen : TSerialGenerator::kColorRed);
    EXPECT_EQ(fresh.LSHStart(), c.start);
  }
}

TEST_F(SerialGeneratorTest, Generation) {
  struct Case {
    const char* start;
    int begin;  // 0: as detected
    int end;
    int inc;
    int steps;
    int copies;
    int bar_type;
    std::vector<std::string> codes;
    const char* next_start;
  };
  static const Case kCases[] = {
      /* 0 */ {"12345678", 0, 0, 1, 3, 1, bcCode128B, {"12345678", "12345679", "12345680"}, "12345681"},
      /* 1 */ {"ABC1234567DF", 0, 0, 1, 2, 1, bcCode128B, {"ABC1234567DF", "ABC1234568DF"}, "ABC1234569DF"},
      // The zeros keep the width of the range.
      /* 2 */ {"A0009", 2, 5, 1, 3, 1, bcCode128B, {"A0009", "A0010", "A0011"}, "A0012"},
      // The code grows by one character.
      /* 3 */ {"99", 1, 2, 1, 2, 1, bcCode128B, {"99", "100"}, "101"},
      /* 4 */ {"7", 0, 0, 1, 2, 3, bcCode128B, {"7", "7", "7", "8", "8", "8"}, "9"},
      // EAN-13 codes get their check digit; the next start code does not.
      /* 5 */
      {"690100012542", 0, 0, 1, 2, 1, bcCodeEAN13, {"6901000125424", "6901000125431"}, "690100012544"},
      /* 6 */ {"1234567", 0, 0, 10, 2, 1, bcCodeEAN8, {"12345670", "12345779"}, "1234587"},
      /* 7 */ {"B10", 0, 0, -3, 3, 1, bcCode128B, {"B10", "B07", "B04"}, "B01"},
      // A range with letters repeats the start code once per step.
      /* 8 */ {"ABC", 0, 0, 1, 2, 3, bcCode128B, {"ABC", "ABC"}, "ABC"},
      // The counter stops at the ends of its range instead of wrapping.
      /* 9 */ {"2147483646", 0, 0, 1, 4, 1, bcCode128B, {"2147483646", "2147483647"}, "2147483646"},
      /* 10 */ {"A2", 0, 0, -1, 5, 1, bcCode128B, {"A2", "A1", "A0"}, "A2"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = kCases[i];
    TBarcodeFile fresh;
    fresh.SetBarType(c.bar_type);
    TLabelRecordList list;
    TSerialGenerator g(fresh, list);
    g.SetStart(c.start);
    if (c.begin) {
      g.SetEnd(c.end);
      g.SetBegin(c.begin);
    }
    g.SetInc(c.inc);
    g.SetSum(c.steps);
    g.SetRepeat(c.copies);
    const int appended = g.GenerateSerials(nullptr);
    EXPECT_EQ(DigitsOf(list), c.codes);
    EXPECT_EQ(appended, static_cast<int>(c.codes.size()));
    EXPECT_EQ(g.Start(), c.next_start);
    EXPECT_EQ(fresh.LSHStart(), c.next_start);
  }
}

TEST_F(SerialGeneratorTest, RecordsFollowTheExistingOnesWithTheTemplateTexts) {
  records.AppendRecord("old", "", "");
  records.AppendRecord("", "", "");  // blank rows after the last record are dropped
  tpl.SetUpText(GBK("苹果"));
  tpl.SetDownText("x,y");
  generator.SetStart("5");
  generator.SetSum(2);
  generator.GenerateSerials(nullptr);
  ASSERT_EQ(records.RecordCount(), 4);
  EXPECT_EQ(records.Cell(1, 1), "");  // the blank first row before "old" is a record
  EXPECT_EQ(records.Cell(1, 2), "old");
  TLabelRecord record;
  records.GetRecord(3, record);
  EXPECT_EQ(record, (TLabelRecord{"5", GBK("苹果"), "x,y"}));
  records.GetRecord(4, record);
  EXPECT_EQ(record.Digits, "6");
  EXPECT_EQ(records.Cell(0, 4), "4");
}

TEST_F(SerialGeneratorTest, ProgressCountsStepsAndEndsEmpty) {
  generator.SetStart("1");
  generator.SetSum(2);
  generator.SetRepeat(3);
  std::vector<std::string> texts;
  bool button_disabled_during_run = false;
  generator.GenerateSerials([&](const std::string& text) {
    texts.push_back(GbkToUtf8(text));
    if (!text.empty()) button_disabled_during_run = generator.Generating();
  });
  EXPECT_EQ(texts, (std::vector<std::string>{"正在产生第 1 条数据，共 2 条...",
                                             "正在产生第 2 条数据，共 2 条...", ""}));
  EXPECT_TRUE(button_disabled_during_run);
  EXPECT_FALSE(generator.Generating());
  EXPECT_EQ(records.RecordCount(), 6);
}

TEST_F(SerialGeneratorTest, PadSerialFillsToTheRangeWidth) {
  generator.SetStart("A0009");
  EXPECT_EQ(generator.PadSerial(9), "0009");
  EXPECT_EQ(generator.PadSerial(12345), "12345");
  generator.SetStart("X00000000000000000001");  // 20 digits, all readable
  EXPECT_EQ(generator.Begin(), 2);
  EXPECT_EQ(generator.PadSerial(2), "00000000000000000002");
}

TEST_F(SerialGeneratorTest, FieldsAreStoredAndHeldToTheirLimits) {
  generator.SetStart("AB1234");
  generator.SetInc(-7);
  generator.SetSum(0);
  generator.SetRepeat(99);
  generator.SetEnd(50);
  EXPECT_EQ(tpl.LSHInc(), -7);
  EXPECT_EQ(generator.Sum(), 1);
  EXPECT_EQ(generator.Repeat(), TSerialGenerator::kMaxRepeat);
  EXPECT_EQ(tpl.LSHRepeat(), TSerialGenerator::kMaxRepeat);
  EXPECT_EQ(generator.End(), 6);
  EXPECT_EQ(generator.RangeMaximum(), 6);
  EXPECT_EQ(tpl.LSHBegin(), 3);
  EXPECT_EQ(tpl.LSHEnd(), 6);
}

TEST_F(SerialGeneratorTest, LoadFromTemplateKeepsTheStoredRange) {
  testing::TempDir dir;
  const std::string path = dir.Write("t.bcf",
                                     "LSHStart=ABC1234567DF\r\nLSHBegin=5\r\nLSHEnd=10\r\nLSHInc=2\r\n"
                                     "LSHSum=7\r\nLSHRepeat=0\r\n");
  tpl.LoadFromFile(path);
  ASSERT_FALSE(tpl.Modified());
  generator.LoadFromTemplate();
  EXPECT_EQ(generator.Start(), "ABC1234567DF");
  EXPECT_EQ(generator.Begin(), 5);
  EXPECT_EQ(generator.End(), 10);
  EXPECT_EQ(generator.Inc(), 2);
  EXPECT_EQ(generator.Sum(), 7);
  EXPECT_EQ(generator.Repeat(), 1);
  EXPECT_EQ(GbkToUtf8(generator.RangeState().Text), "(\"234567\",可以产生！)");
  EXPECT_EQ(tpl.LSHBegin(), 5);
  EXPECT_EQ(tpl.LSHEnd(), 10);
}

TEST_F(SerialGeneratorTest, EmptyStartCodeTakesTheSampleDigitsWithoutChangingTheTemplate) {
  testing::TempDir dir;
  tpl.LoadFromFile(dir.Write("t.bcf", "LSHStart=\r\nBarTextStart=6901234\r\n"));
  ASSERT_FALSE(tpl.Modified());
  generator.LoadFromTemplate();
  EXPECT_EQ(generator.Start(), "6901234");
  EXPECT_TRUE(generator.RangeState().CanGenerate);
  // Showing the template leaves it as it was; a change by the user is stored.
  EXPECT_EQ(tpl.LSHStart(), "");
  EXPECT_FALSE(tpl.Modified());
  generator.SetStart("6901235");
  EXPECT_EQ(tpl.LSHStart(), "6901235");
  EXPECT_TRUE(tpl.Modified());
}

TEST(ReadSerialNumberTest, DigitsWithinTheCounter) {
  EXPECT_EQ(ReadSerialNumber("0009"), 9);
  EXPECT_EQ(ReadSerialNumber("2147483647"), 2147483647);
  EXPECT_FALSE(ReadSerialNumber("2147483648"));
  EXPECT_FALSE(ReadSerialNumber("-1"));
  EXPECT_FALSE(ReadSerialNumber(" 1"));
  EXPECT_FALSE(ReadSerialNumber("1A"));
  EXPECT_FALSE(ReadSerialNumber(""));
}

}  // namespace
}  // namespace tagpress
