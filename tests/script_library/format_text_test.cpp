#include "script/library/format_text.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace tagpress {
namespace {

TEST(FormatText, Placeholders) {
  struct Case {
    const char* format;
    FormatArgument argument;
    const char* text;  // UTF-8
  };
  const Case cases[] = {
      /* 0*/ {"%.2f", 1.0, "1.00"},
      /* 1*/ {"%d", 12, "12"},
      /* 2*/ {"%5s", std::string("ab"), "   ab"},
      /* 3*/ {"%-5s|", std::string("ab"), "ab   |"},
      /* 4*/ {"%.1s", std::string("ab"), "a"},
      /* 5*/ {"%5d", -42, "  -42"},
      /* 6*/ {"%.5d", -42, "-00042"},
      /* 7*/ {"%x", 255, "FF"},
      /* 8*/ {"%.4x", 255, "00FF"},
      /* 9*/ {"%x", -1, "FFFFFFFF"},
      /*10*/ {"%u", -1, "4294967295"},
      /*11*/ {"%p", 255, "000000FF"},
      /*12*/ {"%e", 1234.5, "1.23450000000000E+003"},
      /*13*/ {"%.3e", -0.0012345, "-1.23E-003"},
      /*14*/ {"%f", 2.5, "2.50"},
      /*15*/ {"%.0f", 2.5, "3"},  // halves away from zero
      /*16*/ {"%.2f", 0.125, "0.13"},
      /*17*/ {"%g", 1.0 / 3, "0.333333333333333"},
      /*18*/ {"%g", 1e20, "1E020"},
      /*19*/ {"%g", 2.5, "2.5"},
      /*20*/ {"%n", 1234567.891, "1,234,567.89"},
      /*21*/ {"%.0n", -1234.0, "-1,234"},
      /*22*/ {"%m", 1234.5, "￥1,234.50"},
      /*23*/ {"No.%0:s!", std::string("7"), "No.7!"},
      /*24*/ {"100%%", 1, "100%"},
      /*25*/ {"%8.3f", 3.14159, "   3.142"},
      /*26*/ {"%S", std::string("x"), "x"},
      /*27*/ {"编号%s", std::string("1"), "编号1"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GbkToUtf8(FormatText(Utf8ToGbk(cases[i].format), cases[i].argument)), cases[i].text);
  }
}

TEST(FormatText, MismatchesAndMalformedPlaceholdersFail) {
  struct Case {
    const char* format;
    FormatArgument argument;
  };
  const Case cases[] = {
      /*0*/ {"%d", 1.5},
      /*1*/ {"%.2f", 1},
      /*2*/ {"%s", 12},
      /*3*/ {"%x", std::string("12")},
      /*4*/ {"%s %s", std::string("a")},  // a second argument does not exist
      /*5*/ {"%1:s", std::string("a")},
      /*6*/ {"%", 1},
      /*7*/ {"%k", 1},
      /*8*/ {"%*d", 3},  // the width takes the only argument
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW(FormatText(cases[i].format, cases[i].argument), EConvertError);
  }
}

TEST(FormatText, HugeWidthsFailInsteadOfExhaustingMemory) {
  EXPECT_THROW(FormatText("%999999999999d", 1), ETagpressError);
  EXPECT_THROW(FormatText("%2000000d", 1), ETagpressError);
  EXPECT_EQ(FormatText("%1000d", 1).size(), 1000u);
}

}  // namespace
}  // namespace tagpress
