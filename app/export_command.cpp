#include "app/export_command.h"

#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <exception>

#include "app/app_paths.h"
#include "app/load_request.h"
#include "data/record_list.h"
#include "platform/qt/font_substitutions.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "print/label_text_context.h"
#include "render/export_rows.h"
#include "render/qt/qt_label_bitmap.h"
#include "template/barcode_file.h"

namespace tagpress {

const char* const kExportUsage =
    "\n"
    "Image export (no window):\n"
    "  tagpress --export=DIR [--dpi=N | --dpi=NxM] [--no-text] [--numbered] [--keep-existing]\n"
    "           DATA-FILE [TEMPLATE-FILE]\n"
    "  --export=DIR     write one BMP image per record into DIR (created when missing)\n"
    "  --dpi=N, NxM     resolution of the images (default 300x300)\n"
    "  --no-text        leave out the upper and lower text lines\n"
    "  --numbered       name the files barcode_1.bmp, barcode_2.bmp ... instead of by their digits\n"
    "  --keep-existing  do not replace existing files (they count as errors)\n"
    "  Exit status 0 when every record was exported, 1 otherwise.\n";

namespace {

bool ReadWholeNumber(std::string_view text, int& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "N" or "NxM" (also "N*M").
bool ReadResolution(const std::string& text, int& dpi_x, int& dpi_y) {
  const size_t by = text.find_first_of("xX*");
  if (by == std::string::npos) {
    if (!ReadWholeNumber(text, dpi_x)) return false;
    dpi_y = dpi_x;
    return true;
  }
  return ReadWholeNumber(std::string_view(text).substr(0, by), dpi_x) &&
         ReadWholeNumber(std::string_view(text).substr(by + 1), dpi_y);
}

void PrintLine(std::FILE* stream, const std::string& gbk) {
  std::fprintf(stream, "%s\n", GbkToUtf8(gbk).c_str());
  std::fflush(stream);
}

}  // namespace

std::string ReadExportCommand(const CommandLine& line, ExportCommand& command) {
  const auto option = [&](const char* name) { return line.options.find(name); };
  const auto folder = option("export");
  if (folder == line.options.end() || folder->second.empty()) return "--export needs a folder: --export=DIR";
  command.Options.Folder = folder->second;
  if (const auto dpi = option("dpi"); dpi != line.options.end()) {
    if (!ReadResolution(dpi->second, command.Options.DpiX, command.Options.DpiY))
      return "--dpi takes a whole number or two joined by x, such as --dpi=300 or --dpi=200x100: " +
             dpi->second;
  }
  command.Options.ExportTexts = !line.options.count("no-text");
  command.Options.NameAfterDigits = !line.options.count("numbered");
  command.Options.DeleteExisting = !line.options.count("keep-existing");

  std::vector<std::string> files;
  for (const std::string& argument : line.arguments)
    if (!HasSwitch({argument}, "-p") && !HasSwitch({argument}, "-d") && !HasSwitch({argument}, "-h"))
      files.push_back(argument);
  if (files.empty()) return "--export needs a data file";
  if (files.size() > 2) return "--export takes a data file and a template file, not more: " + files[2];
  if (!FileExists(files[0])) return "data file not found: " + files[0];
  command.DataFile = files[0];
  if (files.size() == 2) {
    if (!FileExists(files[1])) return "template file not found: " + files[1];
    command.TemplateFile = files[1];
  }
  return {};
}

int RunExportCommand(const CommandLine& line, std::FILE* out, std::FILE* err) {
  try {
    ExportCommand command;
    if (const std::string error = ReadExportCommand(line, command); !error.empty()) {
      std::fprintf(err, "tagpress: %s\n", error.c_str());
      return 1;
    }
    TBarcodeFile store;
    const std::string working_template = WorkingTemplatePath();
    if (FileExists(working_template)) store.LoadFromFile(working_template);
    TLabelRecordList records;
    RunRequest request;
    request.DataFile = command.DataFile;
    if (!command.TemplateFile.empty()) request.TemplateFile = command.TemplateFile;
    LoadRequestedFiles(request, records, store);

    LabelTextContext texts;
    const std::vector<ExportRow> rows = BuildExportRows(records, store, texts);
    TBarcode barcode;
    ExportObserver observer;
    observer.AddLog = [out](const std::string& text) { PrintLine(out, text); };
    const ExportResult result =
        RunExport(rows, store, barcode, command.Options, QtLabelBitmapFactory(), observer);
    if (!result.Started) {
      std::fprintf(err, "tagpress: %s\n", GbkToUtf8(result.Error).c_str());
      return 1;
    }
    return result.AllExported() ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(err, "tagpress: %s\n", GbkToUtf8(error.what()).c_str());
    return 1;
  }
}

int RunExportProgram(const CommandLine& line, int argc, char* argv[]) {
  // Drawing text needs no display: without one, Qt draws off screen.
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  InstallFontSubstitutions();
  return RunExportCommand(line, stdout, stderr);
}

}  // namespace tagpress
