#include "tests/support/symbol_reader.h"

#include <ZXing/ReadBarcode.h>

#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <memory>

#include "platform/qt/qt_surface.h"

namespace tagpress::test_support {
namespace {

ZXing::BarcodeFormat ToZxing(ZxingFormat format) {
  switch (format) {
    case ZxingFormat::Ean8:
      return ZXing::BarcodeFormat::EAN8;
    case ZxingFormat::Ean13:
      return ZXing::BarcodeFormat::EAN13;
    case ZxingFormat::UpcA:
      return ZXing::BarcodeFormat::UPCA;
    case ZxingFormat::UpcE:
      return ZXing::BarcodeFormat::UPCE;
    case ZxingFormat::Code39:
      return ZXing::BarcodeFormat::Code39;
    case ZxingFormat::Code93:
      return ZXing::BarcodeFormat::Code93;
    case ZxingFormat::Code128:
      return ZXing::BarcodeFormat::Code128;
    case ZxingFormat::Itf:
      return ZXing::BarcodeFormat::ITF;
    case ZxingFormat::Codabar:
      return ZXing::BarcodeFormat::Codabar;
  }
  return ZXing::BarcodeFormat::None;
}

}  // namespace

QImage DrawSymbolImage(TBarcode& barcode, int quiet_modules) {
  return DrawSymbolRow({&barcode}, 0, quiet_modules);
}

QImage DrawSymbolRow(std::vector<TBarcode*> symbols, int gap_modules, int quiet_modules) {
  const int module = symbols.front()->Modul();
  int total = 0;
  for (TBarcode* symbol : symbols) total += symbol->Width();
  total += gap_modules * module * static_cast<int>(symbols.size() - 1);
  const int quiet = quiet_modules * module;
  const int height = symbols.front()->Height();
  QImage image(total + 2 * quiet, height + 2 * quiet, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QtSurface surface(image);
    int left = quiet;
    for (TBarcode* symbol : symbols) {
      symbol->SetLeft(left);
      symbol->SetTop(quiet);
      symbol->Draw(surface);
      left += symbol->Width() + gap_modules * module;
    }
  }
  return image;
}

ZxingReading ReadWithZxing(const QImage& image, ZxingFormat format, const ZxingOptions& options) {
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                              static_cast<int>(grey.bytesPerLine()));
  ZXing::DecodeHints hints;
  hints.setFormats(ToZxing(format));
  hints.setTryHarder(true);
  hints.setTryRotate(options.try_rotate);
  hints.setTryCode39ExtendedMode(options.code39_full_ascii);
  hints.setValidateCode39CheckSum(options.code39_check);
  hints.setReturnCodabarStartEnd(true);
  hints.setEanAddOnSymbol(options.require_add_on ? ZXing::EanAddOnSymbol::Require
                                                 : ZXing::EanAddOnSymbol::Ignore);
  const ZXing::Result result = ZXing::ReadBarcode(view, hints);
  if (!result.isValid()) return {};
  return {result.text(), result.symbologyIdentifier()};
}

std::vector<std::string> ReadWithZbar(const QImage& image, const std::vector<std::string>& settings) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("symbol.png"));
  if (!image.save(path)) return {};
  std::string command = "zbarimg --nodbus -q";
  for (const std::string& setting : settings) command += " -S" + setting;
  command += " '" + path.toStdString() + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return {};
  std::vector<std::string> lines;
  std::array<char, 4096> buffer;
  while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe.get())) {
    std::string line(buffer.data());
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace tagpress::test_support
