#pragma once
// Where an exported label image goes.

#include <string>

namespace tagpress {

// The file name part made from a label's digits (GBK), as a file-system name
// (UTF-8). Barcode data may hold anything: path separators and control
// characters become "_", so that no name reaches outside the folder.
std::string FileNamePartOf(const std::string& digits);

// The path of row `row`'s image in `folder` (a file-system path): the digits
// + ".bmp" when the files are named after their digits, else "barcode_" +
// the row number + ".bmp".
std::string ExportFilePath(const std::string& folder, const std::string& digits, int row,
                           bool name_after_digits);

}  // namespace tagpress
