#pragma once
// The start-up sequence: the main window, the load phase of the command
// line and, when asked for, composing and printing without any user action.

#include "app/command_line.h"

namespace tagpress {

class Tfrm_Main;

enum class StartUpOutcome {
  RunMessageLoop,  // the window (shown or not) runs until it is closed
  Finished,        // an unattended run ended; leave with the exit status
};

struct StartUpResult {
  StartUpOutcome Outcome = StartUpOutcome::RunMessageLoop;
  int ExitStatus = 0;
};

// Runs the load and print phase on a created main window. Without a window
// ("-h") failures are written to stderr and end the run with a non-zero
// status; with a window they are shown in message boxes. The long options
// "--printer=NAME" (print on that printer) and "--output=FILE.pdf" (print
// into a PDF file) take effect before anything is printed.
StartUpResult RunStartUp(Tfrm_Main& window, const CommandLine& command_line);

// The whole program with a window: QApplication, main window, start-up,
// message loop. Returns the exit status.
int RunProgram(int argc, char* argv[], const CommandLine& command_line);

}  // namespace tagpress
