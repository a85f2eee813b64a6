#pragma once
// Independent readers for the symbols we draw: ZXing linked in, and zbar's
// command-line reader.

#include <QImage>
#include <string>
#include <vector>

#include "barcode/barcode.h"

namespace tagpress::test_support {

// Draws `barcode` with QtSurface into a white image, with quiet zones of
// `quiet_modules` modules on every side. The object's Modul must be set.
QImage DrawSymbolImage(TBarcode& barcode, int quiet_modules = 12);

// Several symbols side by side (a main symbol and its add-on), each drawn at
// its own offset from the previous one's right end.
QImage DrawSymbolRow(std::vector<TBarcode*> symbols, int gap_modules, int quiet_modules = 12);

enum class ZxingFormat { Ean8, Ean13, UpcA, UpcE, Code39, Code93, Code128, Itf, Codabar };

struct ZxingOptions {
  bool code39_full_ascii = false;
  bool code39_check = false;
  bool require_add_on = false;
  bool try_rotate = false;
};

struct ZxingReading {
  std::string text;                  // empty when nothing was found
  std::string symbology_identifier;  // "]C1" for GS1-128, for example
};

// The first symbol of `format` ZXing finds.
ZxingReading ReadWithZxing(const QImage& image, ZxingFormat format, const ZxingOptions& options = {});

// Every "TYPE:data" line zbarimg prints for the image; `settings` are -S
// options such as "upca.enable=1".
std::vector<std::string> ReadWithZbar(const QImage& image, const std::vector<std::string>& settings = {});

}  // namespace tagpress::test_support
