#include "app/command_line.h"

#include <algorithm>

#include "platform/ascii_text.h"
#include "platform/text_file.h"

namespace tagpress {

CommandLine ReadCommandLine(int argc, const char* const argv[]) {
  CommandLine line;
  for (int i = 0; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument.size() > 2 && argument.compare(0, 2, "--") == 0) {
      size_t equals = argument.find('=');
      std::string name = AsciiLowerCase(argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2));
      line.options[name] = equals == std::string::npos ? std::string() : argument.substr(equals + 1);
      continue;
    }
    line.arguments.push_back(std::move(argument));
  }
  return line;
}

bool HasSwitch(const ArgumentList& arguments, const std::string& switch_text) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [&](const std::string& entry) { return AsciiLowerCase(entry) == switch_text; });
}

RunRequest RunRequestOf(const ArgumentList& arguments) {
  RunRequest request;
  request.HasArguments = !arguments.empty();
  if (!arguments.empty() && FileExists(arguments[0])) {
    request.DataFile = arguments[0];
    if (arguments.size() > 2 && FileExists(arguments[1])) request.TemplateFile = arguments[1];
  }
  request.PrintNow = HasSwitch(arguments, "-p");
  request.PrintDialog = HasSwitch(arguments, "-d");
  request.Hidden = HasSwitch(arguments, "-h");
  return request;
}

}  // namespace tagpress
