#include "render/export_messages.h"

#include <cmath>
#include <cstdio>

#include "platform/text_codec.h"
#include "render/export_limits.h"

namespace tagpress {

namespace {

std::string Number(long long value) { return std::to_string(value); }

// A pixel count as computed, also when it is far outside any sane range.
std::string Dimension(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) return GBK("无穷大");
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", value);
  return text;
}

}  // namespace

std::string ExportReadyText(int rows) {
  return GBK("共有 ") + Number(rows) + GBK(" 条码数据, 点击[导出]按钮开始!");
}

std::string ExportStartedText() { return GBK("开始导出条码图片..."); }

std::string ExportRowDoneText(int row) { return GBK("第 ") + Number(row) + GBK(" 个条码已完成."); }

std::string ExportDeleteFailedText(const std::string& file, const std::string& digits) {
  return GBK("文件") + Utf8ToGbk(file) + GBK("删除失败，无法导出条码: ") + digits;
}

std::string ExportFileExistsText(const std::string& file, const std::string& digits) {
  return GBK("文件") + Utf8ToGbk(file) + GBK("已存在，不能导出条码") + digits;
}

std::string ExportSaveFailedText(const std::string& digits) {
  return GBK("保存条码") + digits + GBK(" 失败！");
}

std::string ExportSummaryText(int exported, int failed) {
  if (failed == 0) return GBK("全部") + Number(exported) + GBK("个条码已成功导出！");
  if (exported > 0)
    return GBK("导出任务完成，其中") + Number(exported) + GBK("个条码成功导出，") + Number(failed) +
           GBK("个条码未能导出。");
  return GBK("发生") + Number(failed) + GBK("个错误, 没有任何条码被导出！");
}

std::string ExportBadResolutionText(int dpi_x, int dpi_y) {
  return GBK("图像分辨率 ") + Number(dpi_x) + " * " + Number(dpi_y) + GBK(" dpi 无效：每个方向必须在 1 到 ") +
         Number(kMaxExportDpi) + GBK(" dpi 之间。");
}

std::string ExportBadImageSizeText(double width, double height) {
  return GBK("条码图像的尺寸 ") + Dimension(width) + " * " + Dimension(height) +
         GBK(" 像素无效：宽和高必须在 1 到 ") + Number(kMaxExportImageSide) + GBK(" 像素之间，总数不超过 ") +
         Number(kMaxExportImagePixels) + GBK(" 像素。请检查标签尺寸和分辨率。");
}

std::string ExportNoMemoryText(int width, int height) {
  return GBK("内存不足，无法创建 ") + Number(width) + " * " + Number(height) + GBK(" 像素的条码图像。");
}

std::string ExportFolderFailedText(const std::string& folder, const std::string& reason) {
  return GBK("无法创建文件夹 ") + Utf8ToGbk(folder) + ": " + reason;
}

}  // namespace tagpress
