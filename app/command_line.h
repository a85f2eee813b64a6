#pragma once
// The command line: `tagpress [data file] [template file] [-p] [-d] [-h]`.
//
// Long options (`--name` or `--name=value`) are the program's extensions; they
// are taken out of the argument list first, so they never shift the positions
// of the data and template files.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tagpress {

// One entry per argument after the program name, in order, duplicates kept.
// File arguments keep the caller's spelling (file names are case-sensitive
// here); switches compare without regard to letter case.
using ArgumentList = std::vector<std::string>;

// The long options, by name without the leading "--"; a value-less option
// maps to an empty text.
using LongOptions = std::map<std::string, std::string>;

struct CommandLine {
  ArgumentList arguments;
  LongOptions options;
};

struct RunRequest {
  bool HasArguments = false;
  std::optional<std::string> DataFile;
  std::optional<std::string> TemplateFile;
  bool PrintNow = false;
  bool PrintDialog = false;
  bool Hidden = false;
};

// Splits argv (without the program name) into the argument list and the long options.
CommandLine ReadCommandLine(int argc, const char* const argv[]);

// True when some entry equals the switch ("-p", "-d", "-h"), ignoring letter case.
bool HasSwitch(const ArgumentList& arguments, const std::string& switch_text);

RunRequest RunRequestOf(const ArgumentList& arguments);

}  // namespace tagpress
