// Any byte string with any symbology value: no crash, no read out of
// bounds, and a zero width exactly when an error is reported.

#include <gtest/gtest.h>

#include <random>

#include "barcode/barcode.h"
#include "platform/recording_surface.h"

namespace tagpress {
namespace {

TEST(BarcodeBadInput, RandomTextsWithEveryTypeValue) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> digit('0', '9');
  for (int typ = 0; typ < 256; ++typ) {
    for (int round = 0; round < 60; ++round) {
      std::string text(static_cast<size_t>(length(random)), '\0');
      // Half of the texts are digits with a few stray bytes, so the
      // digits-only symbologies get past their check as well.
      for (char& c : text) c = static_cast<char>(round % 2 == 0 ? byte(random) : digit(random));
      if (round % 4 == 1 && !text.empty()) text[text.size() / 2] = static_cast<char>(byte(random));
      SCOPED_TRACE(::testing::Message() << "type " << typ << ", round " << round);
      TBarcode barcode;
      barcode.SetTyp(static_cast<TBarcodeType>(typ));
      barcode.SetText(text);
      barcode.SetChecksum(round % 3 == 0);
      barcode.SetCheckSumMethod(round % 5 == 0 ? csmNone : csmModulo10);
      barcode.SetShowText(static_cast<TBarcodeOption>(round % 5));
      barcode.SetHeight(round);
      const int width = barcode.Width();
      const int error = barcode.LastError();
      EXPECT_TRUE(error == 0 || (error >= 100 && error <= 104)) << error;
      EXPECT_EQ(width == 0, error != 0);
      if (typ > 22) {
        EXPECT_EQ(error, 101);
      }
      RecordingSurface surface;
      EXPECT_EQ(barcode.Draw(surface), error == 0);
    }
  }
}

}  // namespace
}  // namespace tagpress
