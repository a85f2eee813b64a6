#pragma once
// The texts the image export shows in its log and progress label (GBK).
// Numbers are written in decimal without separators.

#include <string>

namespace tagpress {

// Progress label before a run: how many rows are waiting.
std::string ExportReadyText(int rows);
// First line of the log.
std::string ExportStartedText();
// Progress label after row `row`.
std::string ExportRowDoneText(int row);

// Log lines of a row that was not exported. `file` is the file's path.
std::string ExportDeleteFailedText(const std::string& file, const std::string& digits);
std::string ExportFileExistsText(const std::string& file, const std::string& digits);
std::string ExportSaveFailedText(const std::string& digits);

// Last line of the log.
std::string ExportSummaryText(int exported, int failed);

// Why a run could not start.
std::string ExportBadResolutionText(int dpi_x, int dpi_y);
std::string ExportBadImageSizeText(double width, double height);
std::string ExportNoMemoryText(int width, int height);
std::string ExportFolderFailedText(const std::string& folder, const std::string& reason);

}  // namespace tagpress
