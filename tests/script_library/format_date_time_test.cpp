#include "script/library/format_date_time.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "script/library/date_calc.h"

namespace tagpress {
namespace {

TEST(FormatDateTime, Patterns) {
  // Friday 5 January 2024, 08:04:09.007, and the same day at 15:30.
  const double morning = EncodeDate(2024, 1, 5) + EncodeTime(8, 4, 9, 7);
  const double afternoon = EncodeDate(2024, 1, 5) + EncodeTime(15, 30, 0, 0);
  struct Case {
    const char* pattern;  // UTF-8
    double value;
    const char* text;  // UTF-8
  };
  const Case cases[] = {
      /* 0*/ {"yyyy-mm-dd", morning, "2024-01-05"},
      /* 1*/ {"yy/m/d", morning, "24-1-5"},
      /* 2*/ {"yyyymmdd", morning, "20240105"},
      /* 3*/ {"hh:nn:ss.zzz", morning, "08:04:09.007"},
      /* 4*/ {"h:n:s.z", morning, "8:4:9.7"},
      /* 5*/ {"hh:mm", morning, "08:04"},  // m after h is the minute
      /* 6*/ {"mmm", morning, "1月"},
      /* 7*/ {"mmmm", EncodeDate(2024, 12, 1), "十二月"},
      /* 8*/ {"ddd", morning, "周五"},
      /* 9*/ {"dddd", EncodeDate(2024, 1, 7), "星期日"},
      /*10*/ {"h:nn am/pm", afternoon, "3:30 pm"},
      /*11*/ {"h:nn AM/PM", morning, "8:04 AM"},
      /*12*/ {"hh a/p", afternoon, "03 p"},
      /*13*/ {"h ampm", afternoon, "3 下午"},
      /*14*/ {"hh", afternoon, "15"},
      /*15*/ {"c", morning, "2024-1-5 8:04:09"},
      /*16*/ {"c", EncodeDate(2024, 1, 5), "2024-1-5"},
      /*17*/ {"", afternoon, "2024-1-5 15:30:00"},
      /*18*/ {"t", afternoon, "15:30"},
      /*19*/ {"tt", afternoon, "15:30:00"},
      /*20*/ {"'yyyy'\"mm\"yyyy", morning, "yyyymm2024"},
      /*21*/ {"yyyy年m月d日", morning, "2024年1月5日"},
      /*22*/ {"ddddd", morning, "2024-1-5"},
      /*23*/ {"dddddd", morning, "2024年1月5日"},
      /*24*/ {"[yyyy]", morning, "[2024]"},
      /*25*/ {"h:nn am/pm", EncodeDate(2024, 1, 5), "12:00 am"},  // midnight is 12 am
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(GbkToUtf8(FormatDateTime(Utf8ToGbk(cases[i].pattern), cases[i].value)), cases[i].text);
  }
}

TEST(FormatDateTime, ChineseCharactersAreNeverReadAsPatternLetters) {
  // The second byte of 谋 (C4 B1) is no letter, but that of 丶 (81 64) is "d".
  const std::string pattern = "\x81\x64yyyy";
  EXPECT_EQ(FormatDateTime(pattern, EncodeDate(2024, 1, 5)),
            "\x81\x64"
            "2024");
}

}  // namespace
}  // namespace tagpress
