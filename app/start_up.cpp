#include "app/start_up.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

#include "app/app_title.h"
#include "app/load_request.h"
#include "app/main_window.h"
#include "app/window_dialogs.h"
#include "platform/errors.h"
#include "platform/qt/qt_text.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"

namespace tagpress {

namespace {

class EStartUpError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};

void ApplyOutputOptions(Tfrm_Main& window, const LongOptions& options) {
  if (auto printer = options.find("printer"); printer != options.end()) {
    const QString name = QString::fromUtf8(printer->second.c_str());
    if (!window.Printers().SelectPrinter(name))
      throw EStartUpError(Utf8ToGbk("no printer named \"" + printer->second + "\""));
  }
  if (auto output = options.find("output"); output != options.end())
    window.Printers().SetPdfOutput(QFile::decodeName(QByteArray::fromStdString(output->second)));
}

void LoadAndPrint(Tfrm_Main& window, const RunRequest& request, const CommandLine& command_line) {
  if (!request.DataFile) {
    // With a window a missing data file is silent; an unattended print
    // that cannot print says why.
    if (request.Hidden && request.PrintNow) {
      const std::string& first = command_line.arguments.front();
      throw EStartUpError(Utf8ToGbk(first.starts_with("-") ? std::string("no data file given")
                                                           : "data file not found: " + first));
    }
    return;
  }
  if (LoadRequestedFiles(request, window.Records(), window.Store())) {
    window.TemplateToControls();
    window.UpdateCaption();
  }
  if (!request.PrintNow) return;
  ApplyOutputOptions(window, command_line.options);
  if (request.Hidden) {
    // No window to show failures in: compose and print, or fail loudly.
    window.ComposePages();
    if (request.PrintDialog)
      window.ActionPrintExecute();
    else
      window.DirectPrint();
    return;
  }
  window.ActionPreviewExecute();
  if (request.PrintDialog)
    window.ActionPrintExecute();
  else
    window.DirectPrint();
}

}  // namespace

StartUpResult RunStartUp(Tfrm_Main& window, const CommandLine& command_line) {
  const RunRequest request = RunRequestOf(command_line.arguments);
  StartUpResult result;
  if (request.Hidden) {
    // Nothing of an unattended run waits for a user: show failures on
    // stderr and end, whether or not something was printed.
    window.SetErrorDisplay(
        [](const QString& text) { std::fprintf(stderr, "tagpress: %s\n", qPrintable(text)); });
    result.Outcome = StartUpOutcome::Finished;
    try {
      LoadAndPrint(window, request, command_line);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "tagpress: %s\n", GbkToUtf8(error.what()).c_str());
      result.ExitStatus = 1;
    }
    return result;
  }
  if (request.HasArguments) window.show();
  try {
    LoadAndPrint(window, request, command_line);
  } catch (const std::exception& error) {
    window.ReportError(error);
  }
  return result;
}

int RunProgram(int argc, char* argv[], const CommandLine& command_line) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tagpress"));
  const RunRequest request = RunRequestOf(command_line.arguments);
  Tfrm_Main window(ProgramWindowOptions());
  if (!request.Hidden) window.show();
  const StartUpResult result = RunStartUp(window, command_line);
  if (result.Outcome == StartUpOutcome::Finished) return result.ExitStatus;
  return application.exec();
}

}  // namespace tagpress
