#include "render/export_file_name.h"

#include "platform/text_codec.h"

namespace tagpress {

std::string FileNamePartOf(const std::string& digits) {
  // In UTF-8 every byte below 0x80 is a character of its own, so the
  // replacement cannot split a Chinese character (in GBK a trail byte can be
  // a backslash).
  std::string name = GbkToUtf8(digits);
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) c = '_';
  }
  return name;
}

std::string ExportFilePath(const std::string& folder, const std::string& digits, int row,
                           bool name_after_digits) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/') path += '/';
  if (name_after_digits)
    path += FileNamePartOf(digits);
  else
    path += "barcode_" + std::to_string(row);
  return path + ".bmp";
}

}  // namespace tagpress
