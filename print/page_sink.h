#pragma once
// Where composed pages go: a document of pages, each with a canvas. The
// preview document records them for showing and printing; tests record the
// drawing calls.

#include <string>

#include "platform/surface.h"

namespace tagpress {

class PageSink {
 public:
  virtual ~PageSink() = default;

  // Resolution and printable area of a page, in dots.
  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;

  virtual void SetTitle(const std::string& title) = 0;
  // Discards all pages and opens page 1.
  virtual void BeginDocument() = 0;
  // The canvas of the current page.
  virtual Surface& Canvas() = 0;
  virtual void NewPage() = 0;
  virtual void EndDocument() = 0;
  virtual int PageCount() const = 0;
};

}  // namespace tagpress
