#include "script/library/text_functions.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace tagpress {
namespace {

TEST(TextFunctions, BytePositions) {
  EXPECT_EQ(RightBytes("abc", 5), "abc");
  EXPECT_EQ(RightBytes("abc", 2), "bc");
  EXPECT_EQ(RightBytes("abc", -1), "");
  EXPECT_EQ(CopyBytes("abcdef", 0, 2), "ab");
  EXPECT_EQ(CopyBytes("abcdef", 3, 2), "cd");
  EXPECT_EQ(CopyBytes("abcdef", 5, 10), "ef");
  EXPECT_EQ(CopyBytes("abcdef", 7, 1), "");
  EXPECT_EQ(CopyBytes("abcdef", 2, 0), "");
  EXPECT_EQ(LeftBytes("abc", -1), "");
  EXPECT_EQ(LeftBytes("abc", 2), "ab");
  EXPECT_EQ(LeftBytes(GBK("条码"), 2), GBK("条"));  // a Chinese character is two bytes
}

TEST(TextFunctions, TextPosFindsWholeCharactersOnly) {
  EXPECT_EQ(TextPos("b", "abc"), 2);
  EXPECT_EQ(TextPos("", "abc"), 0);
  EXPECT_EQ(TextPos("x", "abc"), 0);
  EXPECT_EQ(TextPos("B", "abc"), 0);
  EXPECT_EQ(TextPos(GBK("码"), GBK("条码")), 3);
  // 丶 is 81 64: its second byte "d" is not the letter d.
  EXPECT_EQ(TextPos("d", "\x81\x64"), 0);
  EXPECT_EQ(TextPos("d",
                    "\x81\x64"
                    "d"),
            3);
}

TEST(TextFunctions, TrimAndLetterCase) {
  EXPECT_EQ(TrimTextLeft("  a "), "a ");
  EXPECT_EQ(TrimTextRight("  a "), "  a");
  EXPECT_EQ(UpperLetters("abc"
                         "\x81\x64"
                         "d"),
            "ABC"
            "\x81\x64"
            "D");
  EXPECT_EQ(LowerLetters("ABC"
                         "\x81\x44"
                         "D"),
            "abc"
            "\x81\x44"
            "d");
  EXPECT_TRUE(SameTextIgnoringCase("Abc", "aBC"));
  EXPECT_FALSE(SameTextIgnoringCase("\x81\x64", "\x81\x44"));  // two different characters
}

TEST(TextFunctions, RepeatText) {
  EXPECT_EQ(RepeatText("ab", 2), "ababab");
  EXPECT_EQ(RepeatText("ab", 0), "ab");
  EXPECT_EQ(RepeatText("ab", -3), "ab");
  EXPECT_EQ(RepeatText("", 1000000000), "");
  EXPECT_EQ(RepeatText("a", kMaxTextResult - 1).size(), kMaxTextResult);
  EXPECT_THROW(RepeatText("a", kMaxTextResult), ETagpressError);
  EXPECT_THROW(RepeatText("abc", 2000000000), ETagpressError);
}

TEST(TextFunctions, IncrementNumberFieldAndBillNumbers) {
  EXPECT_EQ(IncrementNumberField("AB0099CD", 3, 6, 1), "AB0100CD");
  EXPECT_EQ(IncrementNumberField("A999", 2, 4, 1), "A1000");
  EXPECT_EQ(IncrementNumberField("X-05", 2, 4, 1), "X--4");
  EXPECT_EQ(IncrementNumberField("AB0099CD", 3, 6, 10), "AB0109CD");
  EXPECT_EQ(IncrementNumberField("A0010", 2, 5, -1), "A0009");
  EXPECT_EQ(IncrementNumberField("ABCD", 2, 3, 1), "ABCD");
  EXPECT_EQ(IncrementNumberField("A12", 0, 99, 1), "A12");  // "A12" is no number
  EXPECT_EQ(IncrementNumberField("12", 0, 99, 1), "13");
  EXPECT_EQ(IncrementNumberField("12", 3, 2, 1), "12");
  EXPECT_EQ(IncrementBillNumber("NO.0099"), "NO.0100");
  EXPECT_EQ(IncrementBillNumber("A12B34"), "A12B34");
  EXPECT_EQ(IncrementBillNumber("ABC"), "ABC");
  EXPECT_EQ(IncrementBillNumber(GBK("单号9")), GBK("单号10"));
}

TEST(TextFunctions, IncrementChainsStopAtTheTextLimit) {
  std::string text(kMaxTextResult - 1, 'A');
  text += "9";
  EXPECT_THROW(IncrementBillNumber(text), ETagpressError);  // would grow past the limit
}

TEST(TextFunctions, Hex) {
  EXPECT_EQ(HexText(255, 4), "00FF");
  EXPECT_EQ(HexText(-1, 2), "FFFFFFFF");
  EXPECT_EQ(HexText(0, 0), "0");
  EXPECT_EQ(HexText(26, -5), "1A");
  EXPECT_THROW(HexText(1, 2000000000), ETagpressError);
}

TEST(TextFunctions, RoundToDigits) {
  EXPECT_DOUBLE_EQ(RoundToDigits(1234.5678, -2), 1234.57);
  EXPECT_DOUBLE_EQ(RoundToDigits(1234.5678, 2), 1200);
  EXPECT_DOUBLE_EQ(RoundToDigits(2.5, 0), 2);
  EXPECT_DOUBLE_EQ(RoundToDigits(3.5, 0), 4);
  EXPECT_DOUBLE_EQ(RoundToDigits(250, 2), 200);                  // halves to even
  EXPECT_DOUBLE_EQ(RoundToDigits(1234.5678, 256 - 2), 1234.57);  // the digits are a signed byte
}

}  // namespace
}  // namespace tagpress
