// Start-up through the main window: loading the command line's files and
// printing without a window.
#include "app/start_up.h"

#include <QProcess>

#include "platform/text_file.h"
#include "tests/app_ui/window_fixture.h"

namespace tagpress::testing {
namespace {

using StartUpTest = WindowTest;

CommandLine Arguments(std::vector<std::string> args) {
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

std::string ExampleFile(const char* name) { return std::string(TAGPRESS_SOURCE_DIR) + "/examples/" + name; }

TEST_F(StartUpTest, DataAndTemplateAreShownInTheWindow) {
  Tfrm_Main& window = OpenWindow();
  const StartUpResult result =
      RunStartUp(window, Arguments({ExampleFile("data.csv"), ExampleFile("template.bcf"), "-d"}));
  EXPECT_EQ(result.Outcome, StartUpOutcome::RunMessageLoop);
  EXPECT_GT(window.Records().RecordCount(), 0);
  EXPECT_EQ(window.Store().FileName, ExampleFile("template.bcf"));
  EXPECT_EQ(Find<QLineEdit>("edtBarTextStart").text(), QStringLiteral("690123456789"));
  EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral("template.bcf]")));
  EXPECT_EQ(window.Document().PageCount(), 0);  // "-d" without "-p" prints nothing
}

TEST_F(StartUpTest, HiddenPrintIntoAPdfFile) {
  Tfrm_Main& window = OpenWindow();
  const std::string pdf = dir_.File("out.pdf");
  const StartUpResult result = RunStartUp(
      window,
      Arguments({ExampleFile("data.csv"), ExampleFile("template.bcf"), "-p", "-h", "--output=" + pdf}));
  EXPECT_EQ(result.Outcome, StartUpOutcome::Finished);
  EXPECT_EQ(result.ExitStatus, 0);
  // Without a window the pages go straight into the file; nothing is recorded.
  EXPECT_EQ(window.Document().PageCount(), 0);
  EXPECT_TRUE(FileExists(pdf));
  EXPECT_GT(TempDir::Read(pdf).size(), 1000u);
}

TEST_F(StartUpTest, HiddenPrintOfALabelThatDoesNotFitFails) {
  Tfrm_Main& window = OpenWindow();
  const std::string tpl = dir_.File("huge.bcf");
  {
    TBarcodeFile store;
    store.SetLabelHeight(5000);
    store.SetRows(0);
    store.SaveToFile(tpl);
  }
  const StartUpResult result = RunStartUp(
      window, Arguments({ExampleFile("data.csv"), tpl, "-p", "-h", "--output=" + dir_.File("y.pdf")}));
  EXPECT_EQ(result.ExitStatus, 1);
  EXPECT_FALSE(FileExists(dir_.File("y.pdf")));
}

}  // namespace
}  // namespace tagpress::testing
