#include "script/library/std_func.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "script/date_time.h"
#include "script/library/file_functions.h"
#include "script/library/text_functions.h"
#include "script/script_variants.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

TkxValue I(int32_t v) { return TkxValue::FromInteger(v); }
TkxValue R(double v) { return TkxValue::FromDouble(v); }
TkxValue S(const char* utf8) { return TkxValue::FromString(Utf8ToGbk(utf8)); }
TkxValue Day(int y, int m, int d, double time = 0) { return TkxValue::FromDate(EncodeDate(y, m, d) + time); }
TkxValue B(bool v) { return TkxValue::FromBoolean(v); }

struct ResultCase {
  const char* name;
  std::vector<TkxValue> args;
  TVarType type;
  const char* text;  // the result's text form, UTF-8
};

// Calls a library function with the arguments stored the way the executor
// stores them (variables "1", "2", ... whose kind follows the value).
class StdFuncCall : public ::testing::Test {
 protected:
  // The result, or nullopt when the call answered false (then FuncResult must be Null).
  std::optional<TkxValue> Call(std::string_view name, const std::vector<TkxValue>& args) {
    TkxScriptVariants params;
    for (size_t i = 0; i < args.size(); ++i) params.Add(std::to_string(i + 1)).SetValue(args[i]);
    if (!library_.CallFunction(name, args.empty() ? nullptr : &params)) {
      EXPECT_TRUE(library_.FuncResult().IsNull());
      return std::nullopt;
    }
    return library_.FuncResult();
  }

  void ExpectResults(const std::vector<ResultCase>& cases) {
    for (size_t i = 0; i < cases.size(); ++i) {
      SCOPED_TRACE(std::to_string(i) + ": " + cases[i].name);
      const std::optional<TkxValue> result = Call(cases[i].name, cases[i].args);
      ASSERT_TRUE(result.has_value());
      EXPECT_EQ(result->Type(), cases[i].type);
      EXPECT_EQ(GbkToUtf8(ValueToText(*result)), cases[i].text);
    }
  }

  TkxStdFunc library_;
};

TEST_F(StdFuncCall, TableHoldsTheEightyFourFunctions) {
  EXPECT_EQ(library_.FunctionNames().size(), 84u);
  EXPECT_EQ(library_.FindFunction("Abs")->Id, 1);
  EXPECT_EQ(library_.FindFunction("StrInc")->Id, 60);
  EXPECT_EQ(library_.FindFunction("StrInc")->MinParams, 3);
  EXPECT_EQ(library_.FindFunction("functionlibraryversion")->Id, 84);
  EXPECT_TRUE(library_.HasFunction("inc"));
  EXPECT_EQ(&StdFuncLib(), &StdFuncLib());
  EXPECT_TRUE(StdFuncLib().HasFunction("MoneyCHN"));
}

TEST_F(StdFuncCall, Arithmetic) {
  const std::vector<ResultCase> cases = {
      /* 0*/ {"Round", {R(2.5)}, TVarType::Int64, "2"},
      /* 1*/ {"Round", {R(3.5)}, TVarType::Int64, "4"},
      /* 2*/ {"Round", {S("-2.5")}, TVarType::Int64, "-2"},
      /* 3*/ {"Trunc", {R(-2.7)}, TVarType::Int64, "-2"},
      /* 4*/ {"Int", {S("7.9")}, TVarType::Integer, "7"},
      /* 5*/ {"Int", {R(-3.9)}, TVarType::Integer, "-3"},
      /* 6*/ {"RoundTo", {R(1234.5678), I(-2)}, TVarType::Double, "1234.57"},
      /* 7*/ {"RoundTo", {R(1234.5678), I(2)}, TVarType::Double, "1200"},
      /* 8*/ {"RoundTo", {R(2.5)}, TVarType::Double, "2"},
      /* 9*/ {"INC", {I(5)}, TVarType::Integer, "6"},
      /*10*/ {"INC", {I(5), I(10)}, TVarType::Integer, "15"},
      /*11*/ {"DEC", {S("7")}, TVarType::Double, "6"},
      /*12*/ {"inc", {Day(2024, 1, 31)}, TVarType::Date, "2024-2-1"},
      /*13*/ {"Min", {I(1), S("x")}, TVarType::Double, "0"},
      /*14*/ {"Max", {I(1), S("2.5")}, TVarType::Double, "2.5"},
      /*15*/ {"Max", {S("x"), I(-1)}, TVarType::Double, "0"},
      /*16*/ {"Abs", {R(-1.5)}, TVarType::Double, "1.5"},
      /*17*/ {"Sqr", {S("3")}, TVarType::Double, "9"},
      /*18*/ {"Sqrt", {I(16)}, TVarType::Double, "4"},
      /*19*/ {"Power", {I(2), I(10)}, TVarType::Double, "1024"},
      /*20*/ {"PI", {}, TVarType::Double, "3.14159265358979"},
      /*21*/ {"Sin", {I(0)}, TVarType::Double, "0"},
      /*22*/ {"Cos", {R(1e300)}, TVarType::Double, "0"},  // beyond the processor's range
      /*23*/ {"Log2", {I(8)}, TVarType::Double, "3"},
      /*24*/ {"Log10", {I(1000)}, TVarType::Double, "3"},
      /*25*/ {"LogN", {I(3), I(81)}, TVarType::Double, "4"},
      /*26*/ {"Float", {S("2.5")}, TVarType::Double, "2.5"},
      /*27*/ {"Bool", {S("yes")}, TVarType::Boolean, "True"},
      /*28*/ {"Bool", {S("no")}, TVarType::Boolean, "False"},
      /*29*/ {"Hex", {I(255), I(4)}, TVarType::String, "00FF"},
      /*30*/ {"Hex", {I(-1), I(2)}, TVarType::String, "FFFFFFFF"},
      /*31*/ {"FunctionLibraryVersion", {}, TVarType::Byte, "1"},
      /*32*/ {"Str", {Day(2024, 1, 5, 0.5)}, TVarType::String, "2024-1-5 12:00:00"},
      /*33*/ {"Str", {TkxValue::Null()}, TVarType::String, ""},
      /*34*/ {"Str", {R(1.0 / 3)}, TVarType::String, "0.333333333333333"},
      /*35*/ {"Iif", {S("1"), S("a"), I(2)}, TVarType::String, "a"},
      /*36*/ {"Iif", {B(false), S("a"), I(2)}, TVarType::Integer, "2"},
  };
  ExpectResults(cases);
}

TEST_F(StdFuncCall, TextFunctions) {
  const std::vector<ResultCase> cases = {
      /* 0*/ {"ASCII", {S("A")}, TVarType::Byte, "65"},
      /* 1*/ {"Char", {I(65)}, TVarType::String, "A"},
      /* 2*/ {"Char", {I(65 + 256)}, TVarType::String, "A"},
      /* 3*/ {"StrRepeat", {S("ab"), I(2)}, TVarType::String, "ababab"},
      /* 4*/ {"StrRepeat", {S("ab"), I(0)}, TVarType::String, "ab"},
      /* 5*/ {"RightSubStr", {S("abc"), I(5)}, TVarType::String, "abc"},
      /* 6*/ {"SubStr", {S("abcdef"), I(0), I(2)}, TVarType::String, "ab"},
      /* 7*/ {"LeftSubStr", {S("abc"), I(-1)}, TVarType::String, ""},
      /* 8*/ {"StrPos", {S("b"), S("abc")}, TVarType::Integer, "2"},
      /* 9*/ {"Len", {S("条码A")}, TVarType::Integer, "5"},
      /*10*/ {"Trim", {S(" \tab \r\n")}, TVarType::String, "ab"},
      /*11*/ {"TrimLeft", {S("  ab ")}, TVarType::String, "ab "},
      /*12*/ {"TrimRight", {S("  ab ")}, TVarType::String, "  ab"},
      /*13*/ {"SameText", {S("Abc"), S("aBC")}, TVarType::Boolean, "True"},
      /*14*/ {"UpperStr", {S("abc条码")}, TVarType::String, "ABC条码"},
      /*15*/ {"LowerStr", {S("ABC")}, TVarType::String, "abc"},
      /*16*/ {"StrInc", {S("AB0099CD"), I(3), I(6)}, TVarType::String, "AB0100CD"},
      /*17*/ {"StrInc", {S("A999"), I(2), I(4)}, TVarType::String, "A1000"},
      /*18*/ {"StrInc", {S("X-05"), I(2), I(4)}, TVarType::String, "X--4"},
      /*19*/ {"StrInc", {S("AB0099CD"), R(2.6), S("6"), I(5)}, TVarType::String, "AB0104CD"},
      /*20*/ {"StrInc", {I(99), I(1), I(2)}, TVarType::String, "100"},
      /*21*/ {"IncBillNo", {S("NO.0099")}, TVarType::String, "NO.0100"},
      /*22*/ {"IncBillNo", {S("A12B34")}, TVarType::String, "A12B34"},
      /*23*/ {"IncBillNo", {S("ABC")}, TVarType::String, "ABC"},
      /*24*/ {"IncBillNo", {TkxValue::Null()}, TVarType::String, ""},
      /*25*/ {"Format", {S("%.2f"), R(1.0)}, TVarType::String, "1.00"},
      /*26*/ {"Format", {S("%d"), I(12)}, TVarType::String, "12"},
      /*27*/ {"Format", {S("%5s"), S("ab")}, TVarType::String, "   ab"},
      /*28*/ {"Format", {S("%s"), B(true)}, TVarType::String, "True"},
      /*29*/ {"Format", {S("%s"), Day(2024, 1, 5)}, TVarType::String, "2024-1-5"},
      /*30*/ {"ChangeFileExt", {S("/a/b.csv"), S(".txt")}, TVarType::String, "/a/b.txt"},
      /*31*/ {"ExtractFileName", {S("/a/b.csv")}, TVarType::String, "b.csv"},
      /*32*/ {"ExtractFilePath", {S("b.csv")}, TVarType::String, ""},
      /*33*/ {"ExtractFilePath", {S("/a/b.csv")}, TVarType::String, "/a/"},
  };
  ExpectResults(cases);
}

TEST_F(StdFuncCall, DatesAndChineseNumerals) {
  const TkxValue friday = Day(2024, 1, 5, EncodeTime(13, 45, 30, 250));
  const std::vector<ResultCase> cases = {
      /* 0*/ {"YearOf", {friday}, TVarType::Word, "2024"},
      /* 1*/ {"MonthOf", {friday}, TVarType::Word, "1"},
      /* 2*/ {"DayOf", {friday}, TVarType::Word, "5"},
      /* 3*/ {"HourOf", {friday}, TVarType::Word, "13"},
      /* 4*/ {"MinuteOf", {friday}, TVarType::Word, "45"},
      /* 5*/ {"SecondOf", {friday}, TVarType::Word, "30"},
      /* 6*/ {"MilliSecondOf", {friday}, TVarType::Word, "250"},
      /* 7*/ {"WeekOf", {Day(2021, 1, 3)}, TVarType::Word, "53"},
      /* 8*/ {"YearOf", {S("2023-7-8")}, TVarType::Word, "2023"},
      /* 9*/ {"LastOfMonth", {Day(2024, 2, 10)}, TVarType::Date, "2024-2-29"},
      /*10*/ {"FirstOfMonth", {friday}, TVarType::Date, "2024-1-1"},
      /*11*/ {"FirstOfWeek", {Day(2024, 1, 7)}, TVarType::Date, "2024-1-1"},
      /*12*/ {"LastOfWeek", {Day(2024, 1, 1)}, TVarType::Date, "2024-1-7 23:59:59"},
      /*13*/ {"DateCHN", {Day(2024, 1, 5)}, TVarType::String, "二〇二四年一月五日"},
      /*14*/ {"DateCHN", {Day(2010, 10, 31)}, TVarType::String, "二〇一〇年十月三十一日"},
      /*15*/ {"DateTime", {S("2024-1-5 8:30:00")}, TVarType::Date, "2024-1-5 8:30:00"},
      /*16*/ {"DateTime", {I(2)}, TVarType::Date, "1900-1-1"},
      /*17*/
      {"FormatDateTime", {S("yyyy年mm月dd日 hh:nn"), friday}, TVarType::String, "2024年01月05日 13:45"},
      /*18*/ {"FormatDateTime", {S("dddd mmmm"), friday}, TVarType::String, "星期五 一月"},
      /*19*/ {"NumCHN", {I(123456789)}, TVarType::String, "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖"},
      /*20*/ {"NumCHN", {S("-3.5")}, TVarType::String, "负叁点伍"},
      /*21*/ {"UpperNum", {I(1010)}, TVarType::String, "一千〇一十"},
      /*22*/ {"MoneyCHN", {R(1234567.89)}, TVarType::String, "壹佰贰拾叁万肆仟伍佰陆拾柒圆捌角玖分"},
      /*23*/ {"MoneyCHN", {I(0)}, TVarType::String, "整"},
  };
  ExpectResults(cases);

  const TkxValue millisecond = *Call("LastOfWeek", {Day(2024, 1, 1)});
  EXPECT_DOUBLE_EQ(millisecond.RealValue(), EncodeDate(2024, 1, 7) + EncodeTime(23, 59, 59, 999));
  const double now = Call("Now", {})->RealValue();
  EXPECT_EQ(Call("Today", {})->RealValue(), std::trunc(now));
  EXPECT_LT(Call("Time", {})->RealValue(), 1.0);
}

TEST_F(StdFuncCall, ArraysAndEmptyValues) {
  const TkxValue array = *Call("VarArrayOf", {I(10), I(20), S("x")});
  ASSERT_EQ(array.Type(), TVarType::Array);
  EXPECT_EQ(array.Elements().size(), 3u);
  EXPECT_EQ(Call("VarArrayGet", {array, I(1)})->IntegerValue(), 20);
  EXPECT_EQ(Call("VarArrayCount", {array})->IntegerValue(), 1);
  EXPECT_EQ(Call("VarArrayCount", {I(5)})->IntegerValue(), 0);
  EXPECT_TRUE(Call("VarArrayOf", {})->IsNull());
  EXPECT_EQ(Call("VarArrayGet", {array, I(5)}), std::nullopt);
  EXPECT_EQ(Call("VarArrayGet", {array, I(-1)}), std::nullopt);
  EXPECT_EQ(Call("VarArrayGet", {I(5), I(0)}), std::nullopt);

  const TkxValue empty = *Call("UNASSIGNED", {});
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_TRUE(Call("VARISEMPTY", {empty})->BooleanValue());
  EXPECT_FALSE(Call("VARISEMPTY", {*Call("NULL", {})})->BooleanValue());
  EXPECT_EQ(Call("VARISEMPTY", {}), std::nullopt);
}

TEST_F(StdFuncCall, FailuresAnswerFalse) {
  struct Case {
    const char* name;
    std::vector<TkxValue> args;
  };
  const Case cases[] = {
      /* 0*/ {"NoSuchFunction", {}},
      /* 1*/ {"Sqrt", {I(-1)}},
      /* 2*/ {"Power", {I(-8), R(1.0 / 3)}},
      /* 3*/ {"INC", {}},
      /* 4*/ {"Max", {I(1), S("x")}},
      /* 5*/ {"ASCII", {S("")}},
      /* 6*/ {"SubStr", {S("abc"), I(1)}},  // too few arguments
      /* 7*/ {"Format", {S("%d"), R(1.5)}},
      /* 8*/ {"Format", {S("%.2f"), I(1)}},
      /* 9*/ {"Format", {S("%s"), I(12)}},
      /*10*/ {"NumCHN", {R(3000000000.0)}},
      /*11*/ {"NumCHN", {R(0.00001)}},
      /*12*/ {"NumCHN", {S("abc")}},  // no number
      /*13*/ {"MoneyCHN", {R(1e12)}},
      /*14*/ {"Sqr", {TkxValue::Null()}},
      /*15*/ {"Csc", {I(0)}},  // division by zero
      /*16*/ {"Log10", {I(0)}},
      /*17*/ {"Round", {R(1e300)}},
      /*18*/ {"DateTime", {S("tomorrow")}},
      /*19*/ {"StrInc", {S("A1"), S("x"), I(2)}},
      /*20*/ {"StrRepeat", {S("ab"), I(1 << 20)}},  // over 1 MiB of text
      /*21*/ {"Hex", {I(1), I(2000000)}},
      /*22*/ {"FileSize", {}},
      /*23*/ {"FileSize", {S("/nonexistent/file")}},
      /*24*/ {"Str", {*Call("VarArrayOf", {I(1)})}},  // an array has no text
      /*25*/ {"YearOf", {TkxValue::FromDate(1e10)}},  // no date of the years 1 to 9999
      /*26*/ {"Format", {S("%s %s"), S("a")}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(std::to_string(i) + ": " + cases[i].name);
    EXPECT_EQ(Call(cases[i].name, cases[i].args), std::nullopt);
  }
}

TEST_F(StdFuncCall, StrIncChainsStopAtTheTextLimit) {
  std::string text(kMaxTextResult - 2, 'A');
  text += "99";
  EXPECT_EQ(Call("IncBillNo", {TkxValue::FromString(text)}), std::nullopt);
  text[text.size() - 1] = '8';
  EXPECT_EQ(Call("IncBillNo", {TkxValue::FromString(text)})->StringValue().size(), kMaxTextResult);
}

TEST_F(StdFuncCall, RandomDrawsFromOneGenerator) {
  // Drawn in one clock tick, numbers still differ from call to call.
  std::vector<int64_t> drawn;
  for (int i = 0; i < 20; ++i) drawn.push_back(Call("Random", {I(1000000)})->IntegerValue());
  std::sort(drawn.begin(), drawn.end());
  EXPECT_GT(std::unique(drawn.begin(), drawn.end()) - drawn.begin(), 15);
  for (int64_t n : drawn) {
    EXPECT_GE(n, 0);
    EXPECT_LT(n, 1000000);
  }
  const double real = Call("Random", {})->RealValue();
  EXPECT_GE(real, 0.0);
  EXPECT_LT(real, 1.0);
  EXPECT_EQ(Call("Random", {I(0)})->IntegerValue(), 0);
}

TEST_F(StdFuncCall, FileFunctions) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "12345");
  const TkxValue file_name = TkxValue::FromString(file);
  EXPECT_TRUE(Call("FileExists", {file_name})->BooleanValue());
  EXPECT_FALSE(Call("FileExists", {TkxValue::FromString(dir.path().string())})->BooleanValue());
  EXPECT_TRUE(Call("DirectoryExists", {TkxValue::FromString(dir.path().string())})->BooleanValue());
  const std::optional<TkxValue> size = Call("FileSize", {file_name});
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->Type(), TVarType::Int64);
  EXPECT_EQ(size->IntegerValue(), 5);

  const TkxValue renamed = TkxValue::FromString(dir.File("b.txt"));
  EXPECT_TRUE(Call("RenameFile", {file_name, renamed})->BooleanValue());
  EXPECT_TRUE(Call("DeleteFile", {renamed})->BooleanValue());
  EXPECT_FALSE(Call("DeleteFile", {renamed})->BooleanValue());
  const TkxValue sub = TkxValue::FromString(dir.File("sub"));
  EXPECT_TRUE(Call("CreateDir", {sub})->BooleanValue());
  EXPECT_TRUE(Call("RemoveDir", {sub})->BooleanValue());
  EXPECT_FALSE(Call("GetCurrentDir", {})->StringValue().empty());
}

TEST_F(StdFuncCall, FileChangesFailWhileForbidden) {
  TempDir dir;
  const TkxValue file = TkxValue::FromString(dir.Write("a.txt", "keep"));
  const TkxValue empty_dir = TkxValue::FromString(dir.File("empty"));
  ASSERT_TRUE(Call("CreateDir", {empty_dir})->BooleanValue());
  {
    FileChangesAllowed forbid(false);
    EXPECT_EQ(Call("DeleteFile", {file}), std::nullopt);
    EXPECT_EQ(Call("RenameFile", {file, TkxValue::FromString(dir.File("b.txt"))}), std::nullopt);
    EXPECT_EQ(Call("CreateDir", {TkxValue::FromString(dir.File("new"))}), std::nullopt);
    EXPECT_EQ(Call("RemoveDir", {empty_dir}), std::nullopt);
    // Reading stays allowed.
    EXPECT_TRUE(Call("FileExists", {file})->BooleanValue());
    EXPECT_EQ(Call("FileSize", {file})->IntegerValue(), 4);
  }
  EXPECT_EQ(TempDir::Read(file.StringValue()), "keep");
  EXPECT_FALSE(FileExists(dir.File("b.txt")));
  EXPECT_FALSE(DirectoryExists(dir.File("new")));
  EXPECT_TRUE(DirectoryExists(empty_dir.StringValue()));
  EXPECT_TRUE(Call("DeleteFile", {file})->BooleanValue());  // allowed again outside the guard
}

}  // namespace
}  // namespace tagpress
