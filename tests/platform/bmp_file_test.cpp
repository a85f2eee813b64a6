#include "platform/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/errors.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

std::uint32_t Field(const std::string& bytes, size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(BmpFile, UncompressedTwentyFourBitsWithResolution) {
  // Two rows of three pixels: red, green, blue over white, black, grey.
  const std::uint32_t pixels[2][4] = {{0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xDEADBEEF},
                                      {0xFFFFFFFF, 0xFF000000, 0xFF808080, 0xDEADBEEF}};
  std::string bmp;
  EncodeBmp24({&pixels[0][0], 3, 2, sizeof pixels[0]}, 300, 200, bmp);
  const size_t row = 12;  // 3 × 3 bytes padded to 4
  ASSERT_EQ(bmp.size(), 54 + 2 * row);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Field(bmp, 2, 4), bmp.size());
  EXPECT_EQ(Field(bmp, 10, 4), 54u);  // pixel data offset
  EXPECT_EQ(Field(bmp, 14, 4), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(Field(bmp, 18, 4), 3u);   // width
  EXPECT_EQ(Field(bmp, 22, 4), 2u);   // height, positive: bottom-up
  EXPECT_EQ(Field(bmp, 26, 2), 1u);   // planes
  EXPECT_EQ(Field(bmp, 28, 2), 24u);  // bits per pixel
  EXPECT_EQ(Field(bmp, 30, 4), 0u);   // BI_RGB
  EXPECT_EQ(Field(bmp, 34, 4), 2 * row);
  EXPECT_EQ(Field(bmp, 38, 4), 11811u);  // 300 dpi
  EXPECT_EQ(Field(bmp, 42, 4), 7874u);   // 200 dpi
  EXPECT_EQ(Field(bmp, 46, 4), 0u);      // no palette
  // The bottom row comes first, blue-green-red, padded with zeros.
  EXPECT_EQ(bmp.substr(54, row), std::string("\xFF\xFF\xFF\x00\x00\x00\x80\x80\x80\0\0\0", row));
  EXPECT_EQ(bmp.substr(54 + row, row), std::string("\x00\x00\xFF\x00\xFF\x00\xFF\x00\x00\0\0\0", row));
}

TEST(BmpFile, WritesAndReportsFailures) {
  testing::TempDir dir;
  const std::string path = dir.File("a.bmp");
  WriteFileBytes(path, "abc");
  EXPECT_EQ(testing::TempDir::Read(path), "abc");
  WriteFileBytes(path, "x");
  EXPECT_EQ(testing::TempDir::Read(path), "x");
  EXPECT_THROW(WriteFileBytes(dir.File("missing/a.bmp"), "abc"), EFileError);
}

}  // namespace
}  // namespace tagpress
