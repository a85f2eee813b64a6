#include "template/font.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace tagpress {
namespace {

TEST(Font, SizeAndHeightAreOneValue) {
  TFont font;
  font.SetSize(9);
  EXPECT_EQ(font.Height, -12);
  font.Height = -16;
  EXPECT_EQ(font.Size(), 12);
}

TEST(Font, TextForm) {
  TFont song;
  song.Name = GBK("宋体");
  song.Charset = 134;
  song.SetSize(9);
  EXPECT_EQ(FontToText(song), GBK("宋体") + ",134,9,0,-12,0,0,0,0,0");

  TFont ocr;
  ocr.Name = "OCR-B 10 BT";
  ocr.SetSize(8);
  ocr.Bold = true;
  ocr.Color = 255;
  EXPECT_EQ(FontToText(ocr), "\"OCR-B 10 BT\",1,8,255,-11,0,-1,0,0,0");

  TFont decoded;
  TextToFont(FontToText(ocr), decoded);
  EXPECT_EQ(decoded, ocr);
}

TEST(Font, HeightDecidesOverSize) {
  TFont font;
  TextToFont("Arial,0,30,0,-12,0,True,false,0,1,extra", font);
  EXPECT_EQ(font.Size(), 9);
  EXPECT_TRUE(font.Bold);
  EXPECT_FALSE(font.Italic);
  EXPECT_TRUE(font.StrikeOut);
}

TEST(Font, BadTextKeepsWhatWasApplied) {
  TFont font;
  font.Bold = true;
  EXPECT_THROW(TextToFont("Arial,0,9", font), EConvertError);  // too few items
  EXPECT_EQ(font.Name, "Arial");
  TFont other;
  EXPECT_THROW(TextToFont("Times,0,x,0,-12,0,0,0,0,0", other), EConvertError);
  EXPECT_EQ(other.Name, "Times");
  EXPECT_THROW(TextToFont("Times,0,9,0,-12,0,maybe,0,0,0", other), EConvertError);
  TFont unchanged;
  TextToFont("", unchanged);
  EXPECT_EQ(unchanged, TFont());
}

}  // namespace
}  // namespace tagpress
