#pragma once
// prevBox: shows one page of the preview document at one of ten zoom modes,
// with scroll bars; the mouse wheel turns pages while the whole page height
// is visible and scrolls otherwise.

#include <QAbstractScrollArea>

namespace tagpress {

class PageDocument;

// Zoom modes, the item indexes of the zoom combo.
enum ZoomMode : int {
  kZoom500,
  kZoom200,
  kZoom150,
  kZoom100,
  kZoom75,
  kZoom50,
  kZoom25,
  kZoom10,
  kZoomPageWidth,
  kZoomWholePage,
  kZoomModeCount
};

// The captions of the zoom modes, in mode order ("500%" ... "整页").
QStringList ZoomModeCaptions();

class PreviewBox : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit PreviewBox(QWidget* parent = nullptr);

  // The document shown; not owned. Call DocumentChanged after each composition.
  void SetDocument(const PageDocument* document);
  void DocumentChanged();

  int PageCount() const;
  int CurrentPage() const { return current_page_; }
  // Clamped to 1..PageCount(); repaints and reports when the page changes.
  void SetCurrentPage(int page);
  int ZoomMode() const { return zoom_mode_; }
  // Lays the view out anew and reports, also when the mode is unchanged.
  void SetZoomMode(int mode);

  // Screen pixels per millimetre-free unit: the factor on the page's physical size.
  double ZoomFactor() const;
  // The page's size on the screen at the current zoom, in pixels.
  QSize ScaledPageSize() const;
  // Laid out anew (the printer's page may have changed).
  void Relayout();

 signals:
  // The current page, the zoom mode or the document changed.
  void PrinterPreviewChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QSizeF PhysicalPageSize() const;  // at 100 %, screen pixels
  QRect PageRect() const;           // in viewport coordinates
  void UpdateScrollBars();

  const PageDocument* document_ = nullptr;
  int current_page_ = 0;
  int zoom_mode_ = kZoomWholePage;
};

}  // namespace tagpress
