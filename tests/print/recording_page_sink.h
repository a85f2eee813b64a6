#pragma once
// A page sink that keeps one recording surface per page.

#include <memory>
#include <vector>

#include "platform/recording_surface.h"
#include "print/page_sink.h"

namespace tagpress::testing {

class RecordingPageSink : public PageSink {
 public:
  RecordingPageSink(int dpi_x, int dpi_y, int width, int height)
      : dpi_x_(dpi_x), dpi_y_(dpi_y), width_(width), height_(height) {}

  int DpiX() const override { return dpi_x_; }
  int DpiY() const override { return dpi_y_; }
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  void BeginDocument() override {
    pages_.clear();
    NewPage();
    open_ = true;
  }
  Surface& Canvas() override { return *pages_.back(); }
  void NewPage() override { pages_.push_back(std::make_unique<RecordingSurface>(dpi_x_)); }
  void EndDocument() override { open_ = false; }
  int PageCount() const override { return static_cast<int>(pages_.size()); }

  RecordingSurface& Page(int index) { return *pages_.at(index); }
  const std::string& Title() const { return title_; }
  bool Open() const { return open_; }

 private:
  int dpi_x_, dpi_y_, width_, height_;
  std::string title_;
  bool open_ = false;
  std::vector<std::unique_ptr<RecordingSurface>> pages_;
};

}  // namespace tagpress::testing
