// tagpress: design barcode labels and print them in batches.

#include <cstdio>
#include <string>

#include "app/command_line.h"

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
    "  --help          show this text\n"
    "  --version       show the version\n";

}  // namespace

int main(int argc, char* argv[]) {
  const tagpress::CommandLine command_line = tagpress::ReadCommandLine(argc - 1, argv + 1);
  if (command_line.options.count("help")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command_line.options.count("version")) {
    std::puts("tagpress 1.6.0");
    return 0;
  }
  const tagpress::RunRequest request = tagpress::RunRequestOf(command_line.arguments);
  (void)request;
  return 0;
}
