#include "app/start_up.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>

#include "app/app_title.h"
#include "app/load_request.h"
#include "app/main_window.h"
#include "app/unattended_print.h"
#include "app/window_dialogs.h"
#include "info/about_window.h"
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

void ShowProgressOnTerminal(const std::string& text);

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
  if (request.Hidden && !request.PrintDialog) {
    // Nothing is shown, so the pages go straight to the printer as they are
    // composed; failures are raised for the caller to report.
    const UnattendedPrintResult result =
        PrintUnattended(window.Store(), window.Records(), window.TextExpander(), window.Barcode(),
                        window.Printers(), {}, ShowProgressOnTerminal);
    if (!result.Printed) throw EStartUpError(result.Error);
    return;
  }
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

// A termination request (logout, kill, Ctrl+C) ends the message loop like a
// normal close, so the working template is still written. The handler only
// writes a byte into a socket; the loop reads it and quits.
int g_quit_sockets[2] = {-1, -1};

void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(g_quit_sockets[0], &byte, 1);
}

void QuitOnTerminationSignals(QApplication& application) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_quit_sockets) != 0) return;
  auto* notifier = new QSocketNotifier(g_quit_sockets[1], QSocketNotifier::Read, &application);
  QObject::connect(notifier, &QSocketNotifier::activated, &application, [notifier] {
    notifier->setEnabled(false);
    char byte;
    [[maybe_unused]] const ssize_t read = ::read(g_quit_sockets[1], &byte, 1);
    QApplication::quit();
  });
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

// Progress of a run without a window as one updating line, only when a
// person watches the terminal.
void ShowProgressOnTerminal(const std::string& text) {
  static const bool terminal = ::isatty(STDERR_FILENO);
  if (!terminal) return;
  std::fprintf(stderr, "\r\033[K%s", GbkToUtf8(text).c_str());
  if (text.empty()) std::fputs("\r", stderr);
  std::fflush(stderr);
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
    window.SetStatusEcho(ShowProgressOnTerminal);
    result.Outcome = StartUpOutcome::Finished;
    window.ReportStartUpError();
    try {
      LoadAndPrint(window, request, command_line);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "tagpress: %s\n", GbkToUtf8(error.what()).c_str());
      result.ExitStatus = 1;
    }
    return result;
  }
  if (request.HasArguments) window.show();
  window.ReportStartUpError();
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
  QuitOnTerminationSignals(application);
  const RunRequest request = RunRequestOf(command_line.arguments);
  // The splash shows while the window is built and closes itself after two
  // seconds; a run without a window shows none.
  QPointer<Tfrm_AboutUs> splash;
  if (!request.Hidden) splash = ShowSplash();
  Tfrm_Main window(ProgramWindowOptions());
  if (!request.Hidden) window.show();
  const StartUpResult result = RunStartUp(window, command_line);
  if (result.Outcome == StartUpOutcome::Finished) return result.ExitStatus;
  const int status = application.exec();
  delete splash;  // still up when the program ended within its two seconds
  return status;
}

}  // namespace tagpress
