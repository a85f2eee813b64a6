#include "render/export_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "platform/errors.h"
#include "platform/recording_surface.h"
#include "platform/text_codec.h"
#include "render/export_messages.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

// Records what is drawn; a save writes the texts of the label as the file's
// content, so a test can tell which row a file holds.
class RecordingBitmap : public LabelBitmap {
 public:
  RecordingBitmap() : surface_(96) {}
  Surface& Canvas() override { return surface_; }
  void SaveBmp(const std::string& path) override {
    if (throw_on_save) throw std::runtime_error("unexpected");
    std::string content;
    for (const SurfaceCall& call : surface_.Calls())
      if (call.Kind == SurfaceCallKind::TextOut || call.Kind == SurfaceCallKind::TextRect)
        content += call.Text + "|";
    surface_.ClearCalls();
    WriteOrThrow(path, content);
  }
  static void WriteOrThrow(const std::string& path, const std::string& content) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw EFileError(path, "cannot open");
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
  }
  RecordingSurface surface_;
  bool throw_on_save = false;
};

class ExportRunTest : public ::testing::Test {
 protected:
  ExportRunTest() {
    tpl_.SetBarType(bcCode128B);
    tpl_.SetLabelWidth(60);
    tpl_.SetLabelHeight(40);
    options_.Folder = dir_.File("images");
  }

  ExportResult Run(const std::vector<ExportRow>& rows) {
    log_.clear();
    sizes_.clear();
    ExportObserver observer;
    observer.AddLog = [this](const std::string& line) { log_.push_back(line); };
    observer.RowDone = [this](int row, int count) { done_.emplace_back(row, count); };
    const LabelBitmapFactory factory = [this](int width, int height, int,
                                              int) -> std::unique_ptr<LabelBitmap> {
      sizes_.push_back({width, height});
      if (no_memory_) return nullptr;
      auto bitmap = std::make_unique<RecordingBitmap>();
      bitmap->throw_on_save = throw_on_save_;
      return bitmap;
    };
    return RunExport(rows, tpl_, barcode_, options_, factory, observer);
  }

  std::string Image(const std::string& name) const {
    return testing::TempDir::Read(options_.Folder + "/" + name);
  }
  bool HasImage(const std::string& name) const {
    return std::filesystem::exists(options_.Folder + "/" + name);
  }

  testing::TempDir dir_;
  TBarcodeFile tpl_;
  TBarcode barcode_;
  ExportOptions options_;
  std::vector<std::string> log_;
  std::vector<std::pair<int, int>> sizes_;
  std::vector<std::pair<int, int>> done_;
  bool no_memory_ = false;
  bool throw_on_save_ = false;
};

TEST_F(ExportRunTest, WritesOneImagePerRowIntoTheCreatedFolder) {
  options_.Folder = dir_.File("new/nested/images");
  const ExportResult result = Run({{"A1", "up", "down"}, {"B2", "", ""}});
  EXPECT_TRUE(result.AllExported());
  EXPECT_EQ(result.Exported, 2);
  EXPECT_EQ(Image("A1.bmp"), "up|A1|down|");
  EXPECT_EQ(Image("B2.bmp"), "B2|");
  EXPECT_EQ(log_, (std::vector<std::string>{GBK("开始导出条码图片..."), GBK("全部2个条码已成功导出！")}));
  EXPECT_EQ(done_, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
}

TEST_F(ExportRunTest, ImagesHaveTheLabelSizeAtTheResolution) {
  Run({{"A1", "", ""}});
  EXPECT_EQ(sizes_, (std::vector<std::pair<int, int>>{{709, 472}}));
  options_.DpiX = 200;
  options_.DpiY = 100;
  Run({{"A1", "", ""}});
  EXPECT_EQ(sizes_, (std::vector<std::pair<int, int>>{{472, 157}}));
}

TEST_F(ExportRunTest, DuplicateDigitsReplaceOrFail) {
  const std::vector<ExportRow> rows = {{"A1", "first", ""}, {"A1", "second", ""}};
  ExportResult result = Run(rows);
  EXPECT_EQ(result.Exported, 2);
  EXPECT_EQ(Image("A1.bmp"), "second|A1|");

  std::filesystem::remove_all(options_.Folder);
  options_.DeleteExisting = false;
  result = Run(rows);
  EXPECT_EQ(result.Exported, 1);
  EXPECT_EQ(result.Failed, 1);
  EXPECT_FALSE(result.AllExported());
  EXPECT_EQ(Image("A1.bmp"), "first|A1|");
  ASSERT_EQ(log_.size(), 3u);
  EXPECT_EQ(log_[1], GBK("文件") + options_.Folder + "/A1.bmp" + GBK("已存在，不能导出条码") + "A1");
  EXPECT_EQ(log_[2], GBK("导出任务完成，其中1个条码成功导出，1个条码未能导出。"));

  // Nothing new: every row fails.
  result = Run(rows);
  EXPECT_EQ(result.Failed, 2);
  EXPECT_EQ(log_.back(), GBK("发生2个错误, 没有任何条码被导出！"));
}

TEST_F(ExportRunTest, NumberedNamesAndNoText) {
  options_.NameAfterDigits = false;
  options_.ExportTexts = false;
  Run({{"A1", "up", "down"}, {"A1", "up", "down"}, {"C3", "", ""}});
  EXPECT_EQ(Image("barcode_1.bmp"), "A1|");
  EXPECT_EQ(Image("barcode_2.bmp"), "A1|");
  EXPECT_EQ(Image("barcode_3.bmp"), "C3|");
  EXPECT_FALSE(HasImage("A1.bmp"));
}

TEST_F(ExportRunTest, EmptyDigitsGiveAnImageWithNothingOnIt) {
  const ExportResult result = Run({{"", "up", "down"}});
  EXPECT_EQ(result.Exported, 1);
  EXPECT_EQ(Image(".bmp"), "");
}

TEST_F(ExportRunTest, DigitsCannotNameFilesOutsideTheFolder) {
  const ExportResult result = Run({{"../x", "", ""}, {"A/B", "", ""}, {"C\\D", "", ""}});
  EXPECT_EQ(result.Exported, 3);
  EXPECT_TRUE(HasImage(".._x.bmp"));
  EXPECT_TRUE(HasImage("A_B.bmp"));
  EXPECT_TRUE(HasImage("C_D.bmp"));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.bmp")));
}

TEST_F(ExportRunTest, AFailedSaveIsLoggedAndTheRunGoesOn) {
  std::filesystem::create_directories(options_.Folder + "/A1.bmp");  // a folder in the file's place
  const ExportResult result = Run({{"A1", "", ""}, {"B2", "", ""}});
  EXPECT_EQ(result.Exported, 1);
  EXPECT_EQ(result.Failed, 1);
  ASSERT_EQ(log_.size(), 3u);
  EXPECT_EQ(log_[1], GBK("保存条码") + "A1" + GBK(" 失败！"));
  EXPECT_TRUE(HasImage("B2.bmp"));
}

TEST_F(ExportRunTest, AFileThatCannotBeDeletedIsLogged) {
  // A folder the run may read but not change. The superuser may change any
  // folder, so then the run goes on in a child process as an ordinary user.
  std::filesystem::create_directories(options_.Folder);
  RecordingBitmap::WriteOrThrow(options_.Folder + "/A1.bmp", "old");
  ::chmod(dir_.path().c_str(), 0755);
  ::chmod(options_.Folder.c_str(), 0555);
  const auto run = [this] {
    const ExportResult result = Run({{"A1", "", ""}});
    return result.Failed == 1 && log_.size() == 3 &&
           log_[1] == GBK("文件") + options_.Folder + "/A1.bmp" + GBK("删除失败，无法导出条码: ") + "A1";
  };
  bool logged = false;
  if (::geteuid() != 0) {
    logged = run();
  } else {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
      ::_exit(dropped && run() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    logged = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  ::chmod(options_.Folder.c_str(), 0755);
  EXPECT_TRUE(logged);
  EXPECT_EQ(testing::TempDir::Read(options_.Folder + "/A1.bmp"), "old");
}

TEST_F(ExportRunTest, AnUnexpectedErrorEndsTheRunAfterTheSummary) {
  throw_on_save_ = true;
  EXPECT_THROW(Run({{"A1", "", ""}, {"B2", "", ""}}), std::runtime_error);
  EXPECT_EQ(log_.back(), GBK("发生1个错误, 没有任何条码被导出！"));  // the row that broke off
  EXPECT_EQ(done_.size(), 0u);
}

TEST_F(ExportRunTest, RefusesRunsThatCannotStart) {
  struct Case {
    double width_mm, height_mm;
    int dpi_x, dpi_y;
    const char* message_start;  // UTF-8
  };
  const Case cases[] = {
      {60, 40, 0, 300, "图像分辨率 0 * 300 dpi 无效"},
      {60, 40, 300, -5, "图像分辨率 300 * -5 dpi 无效"},
      {60, 40, 100001, 100001, "图像分辨率 100001 * 100001 dpi 无效"},
      {60, 40, 100000, 100000, "条码图像的尺寸 236220 * 157480 像素无效"},
      {0, 0, 300, 300, "条码图像的尺寸 0 * 0 像素无效"},
      {-10, 40, 300, 300, "条码图像的尺寸 -118 * 472 像素无效"},
      {5000, 5000, 600, 600, "条码图像的尺寸 118110 * 118110 像素无效"},
      {1e300, 40, 300, 300, "条码图像的尺寸 无穷大 * 472 像素无效"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    tpl_.SetLabelWidth(cases[i].width_mm);
    tpl_.SetLabelHeight(cases[i].height_mm);
    options_.DpiX = cases[i].dpi_x;
    options_.DpiY = cases[i].dpi_y;
    const ExportResult result = Run({{"A1", "", ""}});
    EXPECT_FALSE(result.Started);
    EXPECT_EQ(result.Error.rfind(Utf8ToGbk(cases[i].message_start), 0), 0u) << GbkToUtf8(result.Error);
    EXPECT_TRUE(log_.empty());
    EXPECT_TRUE(sizes_.empty());
  }
  EXPECT_FALSE(std::filesystem::exists(options_.Folder));
}

TEST_F(ExportRunTest, RefusesAFolderThatCannotBeCreated) {
  RecordingBitmap::WriteOrThrow(dir_.File("file"), "");
  options_.Folder = dir_.File("file/images");
  ExportResult result = Run({{"A1", "", ""}});
  EXPECT_FALSE(result.Started);
  EXPECT_EQ(result.Error.rfind(GBK("无法创建文件夹 ") + options_.Folder + ": ", 0), 0u)
      << GbkToUtf8(result.Error);
  EXPECT_TRUE(log_.empty());

  options_.Folder = dir_.File("file");
  result = Run({{"A1", "", ""}});
  EXPECT_FALSE(result.Started);
}

TEST_F(ExportRunTest, RefusesABitmapThatCannotBeAllocated) {
  no_memory_ = true;
  const ExportResult result = Run({{"A1", "", ""}});
  EXPECT_FALSE(result.Started);
  EXPECT_EQ(result.Error, GBK("内存不足，无法创建 709 * 472 像素的条码图像。"));
}

TEST(ExportMessages, SummaryAndProgressTexts) {
  EXPECT_EQ(ExportSummaryText(3, 0), GBK("全部3个条码已成功导出！"));
  EXPECT_EQ(ExportSummaryText(0, 0), GBK("全部0个条码已成功导出！"));
  EXPECT_EQ(ExportSummaryText(2, 10), GBK("导出任务完成，其中2个条码成功导出，10个条码未能导出。"));
  EXPECT_EQ(ExportSummaryText(0, 1), GBK("发生1个错误, 没有任何条码被导出！"));
  EXPECT_EQ(ExportReadyText(12), GBK("共有 12 条码数据, 点击[导出]按钮开始!"));
  EXPECT_EQ(ExportRowDoneText(7), GBK("第 7 个条码已完成."));
}

}  // namespace
}  // namespace tagpress
