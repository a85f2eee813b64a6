#include "script/script_var.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "script/date_time.h"
#include "script/script_errors.h"
#include "script/script_variants.h"

namespace tagpress {
namespace {

TkxScriptVar Holding(const TkxValue& value) {
  TkxScriptVar variable;
  variable.SetValue(value);
  return variable;
}

TEST(ScriptVar, FreshVariable) {
  const TkxScriptVar fresh;
  EXPECT_EQ(fresh.Kind(), vkVariant);
  EXPECT_TRUE(fresh.Value().IsNull());
  EXPECT_EQ(fresh.AsString(), "");
  EXPECT_EQ(fresh.AsInteger(), 0);
  EXPECT_EQ(fresh.AsFloat(), 0.0);
  EXPECT_TRUE(fresh.AsBoolean());  // "," is found in the list of true words
  EXPECT_EQ(fresh.AsDateTime(), EncodeDate(1900, 1, 1));
}

TEST(ScriptVar, KindFollowsTheLastValueStored) {
  struct Case {
    TkxValue value;
    TkxVarKind kind;
  };
  const Case cases[] = {
      /* 0 */ {TkxValue::FromSingle(1.5f), vkVariant},
      /* 1 */ {TkxValue::FromSmallint(3), vkVariant},
      /* 2 */ {TkxValue::FromCurrencyScaled(1), vkFloat},
      /* 3 */ {TkxValue::FromDouble(1), vkFloat},
      /* 4 */ {TkxValue::FromWord(1), vkInteger},
      /* 5 */ {TkxValue::FromInt64(1), vkInteger},
      /* 6 */ {TkxValue::FromString("x"), vkString},
      /* 7 */ {TkxValue::FromBoolean(true), vkBoolean},
      /* 8 */ {TkxValue::FromDate(1), vkDateTime},
      /* 9 */ {TkxValue::FromArray({}), vkVariant},
  };
  TkxScriptVar variable;
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    variable.SetValue(cases[i].value);
    EXPECT_EQ(variable.Kind(), cases[i].kind);
  }
}

TEST(ScriptVar, AsInteger) {
  struct Case {
    TkxValue value;
    int32_t expected;
  };
  const Case cases[] = {
      /* 0 */ {TkxValue::FromString("42"), 42},
      /* 1 */ {TkxValue::FromString(" -7"), -7},
      /* 2 */ {TkxValue::FromString("3.9"), 3},
      /* 3 */ {TkxValue::FromString("-3.9"), -3},
      /* 4 */ {TkxValue::FromString("abc"), 0},
      /* 5 */ {TkxValue::FromString("$1F"), 31},
      /* 6 */ {TkxValue::FromDouble(3.9), 3},
      /* 7 */ {TkxValue::FromDouble(-3.9), -3},
      /* 8 */ {TkxValue::FromBoolean(true), 0},
      /* 9 */ {TkxValue::FromDate(EncodeDate(2024, 1, 5)), 2024},
      /* 10 */ {TkxValue::FromSmallint(-5), -5},
      /* 11 */ {TkxValue::FromDouble(1e12), INT32_MAX},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Holding(cases[i].value).AsInteger(), cases[i].expected);
  }
  EXPECT_THROW(Holding(TkxValue::FromInt64(int64_t{1} << 40)).AsInteger(), ERangeError);
}

TEST(ScriptVar, AsBooleanIsASubstringTest) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {
      /* 0 */ {"t", true},        /* 1 */ {"Y", false},
      /* 2 */ {"yes", true},      /* 3 */ {" true ", true},
      /* 4 */ {"1", true},        /* 5 */ {"-1", true},
      /* 6 */ {"no", false},      /* 7 */ {"0", false},
      /* 8 */ {"2", false},       /* 9 */ {"E", true},
      /* 10 */ {"ES", true},      /* 11 */ {"", true},
      /* 12 */ {"\tYES\r", true},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Holding(TkxValue::FromString(cases[i].text)).AsBoolean(), cases[i].expected);
  }
  EXPECT_TRUE(Holding(TkxValue::FromString(GBK("真"))).AsBoolean());
  EXPECT_TRUE(Holding(TkxValue::FromString(GBK("是"))).AsBoolean());
  EXPECT_FALSE(Holding(TkxValue::FromString(GBK("否"))).AsBoolean());
  EXPECT_FALSE(Holding(TkxValue::FromBoolean(false)).AsBoolean());
}

TEST(ScriptVar, OtherConversions) {
  EXPECT_EQ(Holding(TkxValue::FromBoolean(true)).AsFloat(), 0.0);
  EXPECT_EQ(Holding(TkxValue::FromString("2.5e1")).AsFloat(), 25.0);
  EXPECT_EQ(Holding(TkxValue::FromInteger(7)).AsFloat(), 7.0);
  EXPECT_EQ(Holding(TkxValue::FromString("2024-1-5 12:00:00")).AsDateTime(), EncodeDate(2024, 1, 5) + 0.5);
  EXPECT_EQ(Holding(TkxValue::FromString("junk")).AsDateTime(), EncodeDate(1900, 1, 1));
  EXPECT_EQ(Holding(TkxValue::FromInteger(45000)).AsDateTime(), EncodeDate(1900, 1, 1));
  EXPECT_THROW(Holding(TkxValue::FromArray({})).AsString(), EConvertError);
}

TEST(ScriptVar, ObjectsAndTheirMessages) {
  TkxScriptVariants table;
  TkxScriptVar& typed = table.Add("n");
  typed.SetValue(TkxValue::FromInteger(1));
  typed.SetObject(nullptr);
  EXPECT_EQ(typed.Kind(), vkInteger);
  try {
    typed.AsObject();
    FAIL();
  } catch (const EScriptError& error) {
    EXPECT_EQ(error.what(), "n" + GBK(": 简单变量类型不能作为对象类型读取"));
  }
  TkxScriptVar temporary;
  try {
    temporary.AsObject();
    FAIL();
  } catch (const EScriptError& error) {
    EXPECT_EQ(error.what(), GBK("简单变量类型不能作为对象类型读取"));
  }
  TkxScriptVar& object = table.Add("o");
  object.SetObject(nullptr);
  EXPECT_EQ(object.Kind(), vkObject);
  EXPECT_EQ(object.AsObject(), nullptr);
  try {
    object.GetValue();
    FAIL();
  } catch (const EScriptError& error) {
    EXPECT_EQ(error.what(), "o" + GBK(":对象类型变量不能以简单变量类型读取"));
  }
  EXPECT_THROW(object.AsString(), EScriptError);
}

TEST(ScriptVar, AssignCopiesKindAndValueButNotName) {
  TkxScriptVar source("a");
  source.SetValue(TkxValue::FromString("x"));
  TkxScriptVar target("b");
  target.Assign(&source);
  EXPECT_EQ(target.VarName(), "b");
  EXPECT_EQ(target.Kind(), vkString);
  EXPECT_EQ(target.AsString(), "x");
  target.Assign(nullptr);
  EXPECT_EQ(target.AsString(), "x");
  target.Clear();
  EXPECT_EQ(target.Kind(), vkVariant);
  EXPECT_TRUE(target.Value().IsNull());
}

TEST(ScriptVariants, NamesIgnoreAsciiCase) {
  for (bool sorted : {false, true}) {
    SCOPED_TRACE(sorted);
    TkxScriptVariants table(sorted);
    table.Add("zeta");
    table.Add("Alpha");
    table.Add(GBK("条码数字"));
    EXPECT_EQ(table.Count(), 3);
    EXPECT_NE(table.Find("ALPHA"), nullptr);
    EXPECT_TRUE(table.Exists(GBK("条码数字")));
    try {
      table.Add("ZETA");
      FAIL();
    } catch (const EScriptError& error) {
      EXPECT_EQ(error.what(), GBK("变量< ZETA >已经定义！"));
    }
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.IndexOf("zeta"), sorted ? 1 : 0);
    EXPECT_EQ(table.IndexOf("missing"), -1);
  }
}

TEST(ScriptVariants, IndexOutOfRange) {
  TkxScriptVariants table;
  table.Add("a");
  try {
    table.Items(table.Count());
    FAIL();
  } catch (const EScriptError& error) {
    EXPECT_EQ(error.what(), GBK("变量索引< 1 >超出范围！"));
  }
  EXPECT_THROW(table.Items(-1), EScriptError);
  EXPECT_EQ(table.Items(0).VarName(), "a");
}

TEST(ScriptVariants, SwitchingToSortedSortsTheNames) {
  TkxScriptVariants table;
  table.Add("b");
  table.Add("C");
  table.Add("a");
  table.SetSorted(true);
  EXPECT_EQ(table.Items(0).VarName(), "a");
  EXPECT_EQ(table.Items(2).VarName(), "C");
  table.Add("B2");
  EXPECT_EQ(table.Items(2).VarName(), "B2");
}

TEST(TypeCodes, DeclaredTypeNames) {
  EXPECT_EQ(TypeCodeOfName("int"), vkInteger);
  EXPECT_EQ(TypeCodeOfName("String"), vkString);
  EXPECT_EQ(TypeCodeOfName("bool"), vkBoolean);
  EXPECT_EQ(TypeCodeOfName("TIME"), vkDateTime);
  EXPECT_EQ(TypeCodeOfName("double"), vkFloat);
  EXPECT_EQ(TypeCodeOfName("variant"), vkObject);
  EXPECT_EQ(TypeCodeOfName(""), vkVariant);
}

}  // namespace
}  // namespace tagpress
