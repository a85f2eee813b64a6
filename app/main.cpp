// tagpress: design barcode labels and print them in batches.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "app/eval_command.h"
#include "app/export_command.h"
#include "app/load_request.h"
#include "app/start_up.h"
#include "data/record_list.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "template/barcode_file.h"

namespace {

constexpr const char* kUsage =
    "Usage: tagpress [DATA-FILE [TEMPLATE-FILE]] [-p] [-d] [-h] [OPTIONS]\n"
    "\n"
    "  DATA-FILE       comma-separated label records (digits, upper text, lower text)\n"
    "  TEMPLATE-FILE   label template (*.bcf); used when a switch follows it\n"
    "  -p              preview and print the labels at once\n"
    "  -d              print through the print dialog (with -p)\n"
    "  -h              no window; with -p the program ends after printing\n"
    "\n"
    "Options:\n"
    "  --printer=NAME  print on this printer (with -p)\n"
    "  --output=FILE   print into a PDF file instead of a printer (with -p)\n"
    "  --eval=EXPR     evaluate a label expression and print its value\n"
    "  --digits=D      the barcode digits the expression sees (with --eval)\n"
    "  --summary       report what the command line loaded and end\n"
    "  --help          show this text\n"
    "  --version       show the version\n";

void PrintSummary(const tagpress::RunRequest& request, const tagpress::TLabelRecordList& records,
                  const tagpress::TBarcodeFile& store) {
  using tagpress::GbkToUtf8;
  std::printf("data file: %s\n", request.DataFile ? request.DataFile->c_str() : "(none)");
  std::printf("template: %s\n", store.FileName.empty() ? "Default.bct" : store.FileName.c_str());
  std::printf("label: %g x %g mm, barcode type %d, %d per label\n", store.LabelWidth(), store.LabelHeight(),
              store.BarType(), store.BarNumInOne());
  std::printf("records: %d\n", records.RecordCount());
  tagpress::TLabelRecord record;
  for (int k = 1; k <= records.RecordCount() && k <= 5; ++k) {
    records.GetRecord(k, record);
    std::printf("  %d: %s | %s | %s\n", k, GbkToUtf8(record.Digits).c_str(), GbkToUtf8(record.UpText).c_str(),
                GbkToUtf8(record.DownText).c_str());
  }
  if (records.RecordCount() > 5) std::printf("  ...\n");
}

std::optional<std::string> OptionValue(const tagpress::LongOptions& options, const char* name) {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

}  // namespace

int main(int argc, char* argv[]) {
  const tagpress::CommandLine command_line = tagpress::ReadCommandLine(argc - 1, argv + 1);
  if (command_line.options.count("help")) {
    std::fputs(kUsage, stdout);
    std::fputs(tagpress::kExportUsage, stdout);
    return 0;
  }
  if (command_line.options.count("version")) {
    std::puts("tagpress 1.6.0");
    return 0;
  }
  if (auto expression = OptionValue(command_line.options, "eval")) {
    const tagpress::EvalOutcome outcome =
        tagpress::EvaluateLabelExpression(*expression, OptionValue(command_line.options, "digits").value_or(""));
    std::fprintf(outcome.Ok ? stdout : stderr, "%s\n", outcome.Text.c_str());
    return outcome.Ok ? 0 : 1;
  }
  if (command_line.options.count("export")) return tagpress::RunExportProgram(command_line, argc, argv);
  if (command_line.options.count("summary")) {
    // The load phase alone, without a window.
    try {
      tagpress::TBarcodeFile store;
      tagpress::TLabelRecordList records;
      const std::string working_template = tagpress::WorkingTemplatePath();
      if (tagpress::FileExists(working_template)) store.LoadFromFile(working_template);
      const tagpress::RunRequest request = tagpress::RunRequestOf(command_line.arguments);
      tagpress::LoadRequestedFiles(request, records, store);
      PrintSummary(request, records, store);
      return 0;
    } catch (const std::exception& error) {
      std::fprintf(stderr, "tagpress: %s\n", tagpress::GbkToUtf8(error.what()).c_str());
      return 1;
    }
  }
  try {
    // A run without a window needs no display: without one, Qt draws off screen.
    if (tagpress::RunRequestOf(command_line.arguments).Hidden && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return tagpress::RunProgram(argc, argv, command_line);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tagpress: %s\n", tagpress::GbkToUtf8(error.what()).c_str());
    return 1;
  }
}
