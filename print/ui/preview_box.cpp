#include "print/ui/preview_box.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

#include "platform/qt/page_document.h"

namespace tagpress {

namespace {

constexpr int kMargin = 12;  // grey border around the page, pixels
constexpr double kZoomFactors[] = {5.0, 2.0, 1.5, 1.0, 0.75, 0.5, 0.25, 0.1};

}  // namespace

QStringList ZoomModeCaptions() {
  return {QStringLiteral("500%"), QStringLiteral("200%"), QStringLiteral("150%"), QStringLiteral("100%"),
          QStringLiteral("75%"),  QStringLiteral("50%"),  QStringLiteral("25%"),  QStringLiteral("10%"),
          QStringLiteral("页宽"), QStringLiteral("整页")};
}

PreviewBox::PreviewBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("prevBox"));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  setMinimumSize(200, 150);
}

void PreviewBox::SetDocument(const PageDocument* document) {
  document_ = document;
  DocumentChanged();
}

void PreviewBox::DocumentChanged() {
  current_page_ = PageCount() > 0 ? 1 : 0;
  Relayout();
  emit PrinterPreviewChanged();
}

int PreviewBox::PageCount() const { return document_ ? document_->PageCount() : 0; }

void PreviewBox::SetCurrentPage(int page) {
  const int count = PageCount();
  if (count == 0) return;
  page = std::clamp(page, 1, count);
  if (page == current_page_) return;
  current_page_ = page;
  verticalScrollBar()->setValue(0);
  viewport()->update();
  emit PrinterPreviewChanged();
}

void PreviewBox::SetZoomMode(int mode) {
  if (mode >= 0 && mode < kZoomModeCount) zoom_mode_ = mode;
  Relayout();
  emit PrinterPreviewChanged();
}

QSizeF PreviewBox::PhysicalPageSize() const {
  const int dpi_x = document_ && document_->DpiX() > 0 ? document_->DpiX() : 300;
  const int dpi_y = document_ && document_->DpiY() > 0 ? document_->DpiY() : 300;
  const int width = document_ ? document_->PageWidth() : 2480;
  const int height = document_ ? document_->PageHeight() : 3508;
  return QSizeF(double(width) / dpi_x * logicalDpiX(), double(height) / dpi_y * logicalDpiY());
}

double PreviewBox::ZoomFactor() const {
  if (zoom_mode_ < kZoomPageWidth) return kZoomFactors[zoom_mode_];
  const QSizeF physical = PhysicalPageSize();
  if (physical.isEmpty()) return 1.0;
  // Fit into the viewport as it would be without scroll bars; the page
  // width leaves room for the vertical bar that a long page brings.
  QSize area = maximumViewportSize() - QSize(2 * kMargin, 2 * kMargin);
  if (zoom_mode_ == kZoomPageWidth)
    area.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  double factor = area.width() / physical.width();
  if (zoom_mode_ == kZoomWholePage) factor = std::min(factor, area.height() / physical.height());
  return std::max(factor, 0.01);
}

QSize PreviewBox::ScaledPageSize() const {
  const QSizeF size = PhysicalPageSize() * ZoomFactor();
  return QSize(qRound(size.width()), qRound(size.height()));
}

QRect PreviewBox::PageRect() const {
  const QSize page = ScaledPageSize();
  const QSize view = viewport()->size();
  int x = kMargin - horizontalScrollBar()->value();
  if (page.width() + 2 * kMargin < view.width()) x = (view.width() - page.width()) / 2;
  int y = kMargin - verticalScrollBar()->value();
  if (page.height() + 2 * kMargin < view.height()) y = (view.height() - page.height()) / 2;
  return QRect(QPoint(x, y), page);
}

void PreviewBox::Relayout() {
  UpdateScrollBars();
  viewport()->update();
}

void PreviewBox::UpdateScrollBars() {
  const QSize page = ScaledPageSize() + QSize(2 * kMargin, 2 * kMargin);
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, page.width() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setRange(0, std::max(0, page.height() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(20);
}

void PreviewBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void PreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), QColor(128, 128, 128));
  if (PageCount() == 0 || current_page_ < 1) return;
  const QRect page = PageRect();
  painter.fillRect(page.translated(4, 4), QColor(64, 64, 64));
  painter.fillRect(page, Qt::white);
  painter.save();
  painter.setClipRect(page);
  painter.translate(page.topLeft());
  const double factor = ZoomFactor();
  painter.scale(factor * logicalDpiX() / document_->DpiX(), factor * logicalDpiY() / document_->DpiY());
  document_->PaintPage(current_page_ - 1, painter);
  painter.restore();
}

void PreviewBox::wheelEvent(QWheelEvent* event) {
  const bool whole_height_visible = ScaledPageSize().height() + 2 * kMargin <= viewport()->height();
  if (whole_height_visible && PageCount() > 0 && !(event->modifiers() & Qt::ShiftModifier)) {
    const int steps = event->angleDelta().y();
    if (steps < 0) SetCurrentPage(current_page_ + 1);
    if (steps > 0) SetCurrentPage(current_page_ - 1);
    event->accept();
    return;
  }
  QAbstractScrollArea::wheelEvent(event);
}

void PreviewBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown:
      if (verticalScrollBar()->value() == verticalScrollBar()->maximum()) {
        SetCurrentPage(current_page_ + 1);
        return;
      }
      break;
    case Qt::Key_PageUp:
      if (verticalScrollBar()->value() == 0) {
        SetCurrentPage(current_page_ - 1);
        return;
      }
      break;
    case Qt::Key_Home:
      if (event->modifiers() & Qt::ControlModifier) {
        SetCurrentPage(1);
        return;
      }
      break;
    case Qt::Key_End:
      if (event->modifiers() & Qt::ControlModifier) {
        SetCurrentPage(PageCount());
        return;
      }
      break;
    default:
      break;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace tagpress
