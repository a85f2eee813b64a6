#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace tagpress {
namespace {

// "条码" in GBK.
constexpr const char* kTiaoMaGbk = "\xCC\xF5\xC2\xEB";

TEST(TextCodec, ConvertsBothWays) {
  const std::string gbk = Utf8ToGbk("条码");
  EXPECT_EQ(gbk, kTiaoMaGbk);
  EXPECT_EQ(GbkToUtf8(gbk), "条码");
  EXPECT_EQ(GbkToUtf8("ABC 123"), "ABC 123");
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(TextCodec, LiteralHelperConvertsOnce) {
  const std::string& first = GBK("条码数字");
  EXPECT_EQ(first.size(), 8u);  // four characters of two bytes each
  EXPECT_EQ(GbkToUtf8(first), "条码数字");
}

TEST(TextCodec, DamagedInputDoesNotStopConversion) {
  // A lone lead byte at the end and an invalid UTF-8 byte.
  EXPECT_EQ(GbkToUtf8(std::string("A") + "\xB5"), "A\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToGbk("A\xFF" "B"), "A?B");
}

TEST(TextCodec, RecognisesUtf8) {
  struct Case {
    const char* bytes;
    bool valid;
    bool looks_utf8;
  };
  const Case cases[] = {
      {"plain ascii", true, false},
      {"条码", true, true},
      {kTiaoMaGbk, false, false},        // GBK bytes are not UTF-8
      {"\xC0\xAF", false, false},         // overlong
      {"\xED\xA0\x80", false, false},     // surrogate
      {"\xE4\xB8", false, false},         // truncated
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(IsValidUtf8(cases[i].bytes), cases[i].valid);
    EXPECT_EQ(LooksLikeUtf8(cases[i].bytes), cases[i].looks_utf8);
  }
}

}  // namespace
}  // namespace tagpress
