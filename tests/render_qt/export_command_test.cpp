// tagpress --export: the image export from the command line.

#include "app/export_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/text_codec.h"
#include "tests/render_qt/export_test_support.h"
#include "tests/support/symbol_reader.h"

namespace tagpress {
namespace {

struct CommandRun {
  int status = 0;
  std::string out, err;  // UTF-8
};

std::string ReadAll(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, file)) text.append(buffer, n);
  return text;
}

class ExportCommandTest : public ::testing::Test {
 protected:
  ExportCommandTest() {
    test_support::EnsureGuiApplication();
    ::setenv("TAGPRESS_HOME", dir_.File("home").c_str(), 1);  // no working template
    data_ = dir_.Write("data.csv", "6901234567892,up,down\r\n6901234567893,[条码数字],\r\n,,\r\n");
  }

  CommandRun Run(std::vector<std::string> arguments) {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    const CommandLine line = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), std::fclose);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> err(std::tmpfile(), std::fclose);
    CommandRun run;
    run.status = RunExportCommand(line, out.get(), err.get());
    run.out = ReadAll(out.get());
    run.err = ReadAll(err.get());
    return run;
  }

  std::string Folder() const { return dir_.File("images"); }
  std::string ExportOption() const { return "--export=" + Folder(); }

  testing::TempDir dir_;
  std::string data_;
};

TEST_F(ExportCommandTest, ExportsEveryRecordWithTheWindowsDefaults) {
  const CommandRun run = Run({ExportOption(), data_});
  EXPECT_EQ(run.status, 0) << run.err;
  // The third row is blank: a white image named ".bmp".
  EXPECT_EQ(run.out, "开始导出条码图片...\n全部3个条码已成功导出！\n");
  for (const char* name : {"6901234567892.bmp", "6901234567893.bmp", ".bmp"})
    EXPECT_TRUE(std::filesystem::exists(Folder() + "/" + name)) << name;
  const QImage image = test_support::ReadImage(Folder() + "/6901234567892.bmp");
  TBarcodeFile defaults;
  EXPECT_EQ(image.width(), LabelImageSize(defaults, 300, 300).Width);
  EXPECT_EQ(image.dotsPerMeterX(), 11811);
  // The default symbology, interleaved 2 of 5, completes an odd count with a leading zero.
  EXPECT_EQ(test_support::ReadWithZbar(image), std::vector<std::string>{"I2/5:06901234567892"});
}

TEST_F(ExportCommandTest, OptionsOfTheWindow) {
  const std::string tpl = dir_.Write("label.bcf", "BarType=6\r\nLabelWidth=60\r\nLabelHeight=40\r\n");
  CommandRun run = Run({ExportOption(), "--dpi=200x100", "--no-text", "--numbered", data_, tpl});
  EXPECT_EQ(run.status, 0) << run.err;
  const QImage image = test_support::ReadImage(Folder() + "/barcode_2.bmp");
  EXPECT_EQ(image.size(), QSize(472, 157));
  EXPECT_TRUE(std::filesystem::exists(Folder() + "/barcode_3.bmp"));

  // Existing files kept: every row is an error.
  run = Run({ExportOption(), "--dpi=200x100", "--numbered", "--keep-existing", data_, tpl});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("文件" + Folder() + "/barcode_1.bmp已存在，不能导出条码6901234567892\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("发生3个错误, 没有任何条码被导出！\n"), std::string::npos) << run.out;
}

TEST_F(ExportCommandTest, BadInputEndsWithAMessageAndStatusOne) {
  const std::string tiny = dir_.Write("tiny.bcf", "LabelWidth=0\r\nLabelHeight=0\r\n");
  const std::string huge = dir_.Write("huge.bcf", "LabelWidth=5000\r\nLabelHeight=5000\r\n");
  const std::string blocker = dir_.Write("blocker", "");
  struct Case {
    std::vector<std::string> arguments;
    const char* message;  // part of the error output
  };
  const Case cases[] = {
      {{"--export=", data_}, "--export needs a folder"},
      {{ExportOption()}, "needs a data file"},
      {{ExportOption(), dir_.File("missing.csv")}, "data file not found"},
      {{ExportOption(), data_, dir_.File("missing.bcf")}, "template file not found"},
      {{ExportOption(), "--dpi=abc", data_}, "--dpi takes a whole number"},
      {{ExportOption(), "--dpi=300x", data_}, "--dpi takes a whole number"},
      {{ExportOption(), "--dpi=0", data_}, "图像分辨率 0 * 0 dpi 无效"},
      {{ExportOption(), "--dpi=-300", data_}, "图像分辨率 -300 * -300 dpi 无效"},
      {{ExportOption(), "--dpi=100000", data_}, "像素无效"},
      {{ExportOption(), "--dpi=99999999999", data_}, "--dpi takes a whole number"},
      {{ExportOption(), data_, tiny}, "条码图像的尺寸 0 * 0 像素无效"},
      {{ExportOption(), data_, dir_.Write("empty.bcf", "")}, "条码图像的尺寸 0 * 0 像素无效"},
      {{ExportOption(), "--dpi=600", data_, huge}, "条码图像的尺寸 118110 * 118110 像素无效"},
      {{"--export=" + blocker + "/images", data_}, "无法创建文件夹"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const CommandRun run = Run(cases[i].arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(cases[i].message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(ExportCommandTest, DigitsOfAnyBytesAreExportedInsideTheFolder) {
  const std::string data = dir_.Write(
      "bytes.csv", std::string("../escape,a,b\r\nA/B,,\r\n\x01\x02\xff\xfe\x80,,\r\n\"x\\y\",,\r\n"));
  const CommandRun run = Run({ExportOption(), "--numbered", data});
  EXPECT_EQ(run.status, 0) << run.err;
  const CommandRun named = Run({"--export=" + dir_.File("named"), data});
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_TRUE(std::filesystem::exists(dir_.File("named/.._escape.bmp")));
  EXPECT_TRUE(std::filesystem::exists(dir_.File("named/A_B.bmp")));
  EXPECT_TRUE(std::filesystem::exists(dir_.File("named/x_y.bmp")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("escape.bmp")));
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir_.File("named"))) ++files;
  EXPECT_EQ(files, 4u);
}

}  // namespace
}  // namespace tagpress
