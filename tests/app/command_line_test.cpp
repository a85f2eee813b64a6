#include "app/command_line.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

TEST(ReadCommandLine, TakesLongOptionsOut) {
  const char* argv[] = {"--export=out", "data.csv", "--NO-TEXT", "tpl.bcf", "-P"};
  CommandLine line = ReadCommandLine(5, argv);
  EXPECT_EQ(line.arguments, (ArgumentList{"data.csv", "tpl.bcf", "-P"}));
  EXPECT_EQ(line.options.at("export"), "out");
  EXPECT_EQ(line.options.at("no-text"), "");
}

TEST(RunRequestOf, FollowsThePositionsAndSwitches) {
  TempDir dir;
  const std::string data = dir.Write("data.csv", "1\r\n");
  const std::string tpl = dir.Write("template.bcf", "BarHeight=8\r\n");
  const std::string missing = dir.File("missing.csv");
  struct Case {
    ArgumentList arguments;
    bool has_arguments;
    std::optional<std::string> data_file;
    std::optional<std::string> template_file;
    bool print_now, print_dialog, hidden;
  };
  const Case cases[] = {
      {{}, false, std::nullopt, std::nullopt, false, false, false},
      {{data}, true, data, std::nullopt, false, false, false},
      {{data, tpl}, true, data, std::nullopt, false, false, false},  // two arguments: no template
      {{data, tpl, "-p"}, true, data, tpl, true, false, false},
      {{data, "-p", "-h"}, true, data, std::nullopt, true, false, true},
      {{"-p", data}, true, std::nullopt, std::nullopt, true, false, false},
      {{data, "-P", "-H"}, true, data, std::nullopt, true, false, true},
      {{data, "-d"}, true, data, std::nullopt, false, true, false},
      {{data, tpl, "-p", "-p", "-h", "-h"}, true, data, tpl, true, false, true},
      {{missing, tpl, "-p"}, true, std::nullopt, std::nullopt, true, false, false},
      {{data, missing, "-p"}, true, data, std::nullopt, true, false, false},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const Case& c = cases[i];
    RunRequest request = RunRequestOf(c.arguments);
    EXPECT_EQ(request.HasArguments, c.has_arguments);
    EXPECT_EQ(request.DataFile, c.data_file);
    EXPECT_EQ(request.TemplateFile, c.template_file);
    EXPECT_EQ(request.PrintNow, c.print_now);
    EXPECT_EQ(request.PrintDialog, c.print_dialog);
    EXPECT_EQ(request.Hidden, c.hidden);
  }
}

}  // namespace
}  // namespace tagpress
