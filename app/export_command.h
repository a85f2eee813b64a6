#pragma once
// Exporting label images from the command line, without a window:
//
//   tagpress --export=DIR [--dpi=N | --dpi=NxM] [--no-text] [--numbered]
//            [--keep-existing] DATA-FILE [TEMPLATE-FILE]
//
// The options are those of the export window, with its defaults: texts
// drawn, files named after their digits, existing files replaced,
// 300 × 300 dpi.

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "render/export_run.h"

namespace tagpress {

// The lines --help adds for the export.
extern const char* const kExportUsage;

struct ExportCommand {
  ExportOptions Options;
  std::string DataFile;
  std::string TemplateFile;  // empty: the working template
};

// Reads the export's options and file arguments. Returns an error text
// (UTF-8) for the terminal, or empty when `command` is complete.
std::string ReadExportCommand(const CommandLine& line, ExportCommand& command);

// Runs the export the command line asks for: the log lines go to `out` as
// UTF-8, errors to `err`. Needs a QGuiApplication. Returns the exit status:
// 0 when every row was exported, 1 otherwise.
int RunExportCommand(const CommandLine& line, std::FILE* out, std::FILE* err);

// The whole program run for --export: sets up Qt (off screen when there is
// no display) and runs the export.
int RunExportProgram(const CommandLine& line, int argc, char* argv[]);

}  // namespace tagpress
