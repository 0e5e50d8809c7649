#include "report/preview/TsPreview.h"

#include "report/device/TsPrinter.h"
#include "report/preview/TsPreviewImage.h"
#include "report/preview/TsPreviewZoom.h"

#include <QScrollBar>

TTsPreview::TTsPreview(QWidget* parent) : QScrollArea(parent), image_(new TTsPreviewImage) {
  setObjectName("PagePreview");
  setAlignment(Qt::AlignCenter);
  setWidgetResizable(false);
  setWidget(image_);
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
}

TTsPrinter* TTsPreview::Device() const { return device_; }

void TTsPreview::SetDevice(TTsPrinter* device) {
  if (device_ && device_->Client == this) {
    device_->ShowingPreview = false;
    device_->Client = nullptr;
  }
  device_ = device;
  image_->Unload();
  if (!device_) return;
  device_->Client = this;
  device_->ShowingPreview = true;
  ReloadFirstPage();
}

void TTsPreview::ReloadFirstPage() {
  pageNumber_ = 1;
  LoadPage(1);
}

int TTsPreview::PageNumber() const { return pageNumber_; }

void TTsPreview::SetPageNumber(int n) {
  if (n == pageNumber_ && image_->ImageLoaded()) return;
  if (n <= 0 || !device_ || n > device_->PageCount()) return;
  LoadPage(n);
  pageNumber_ = n;
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
}

void TTsPreview::LoadPage(int n) {
  if (device_) image_->LoadPage(*device_, n);
}

int TTsPreview::Zoom() const { return zoom_; }
TTsZoomState TTsPreview::ZoomState() const { return zoomState_; }
TTsPreviewImage* TTsPreview::Image() const { return image_; }

void TTsPreview::SetZoom(int zoom) {
  if (!IsValidZoom(zoom)) return;
  zoom_ = zoom;
  zoomState_ = TTsZoomState::Other;
  Relayout();
}

void TTsPreview::ZoomToFit() {
  if (!device_) return;
  SetZoom(FitZoom(ViewSize(), PaperPixels(*device_)));
  zoomState_ = TTsZoomState::Fit;
}

void TTsPreview::ZoomToWidth() {
  if (!device_) return;
  SetZoom(WidthZoom(ViewSize().width(), PaperPixels(*device_).width()));
  zoomState_ = TTsZoomState::Width;
}

void TTsPreview::Relayout() {
  if (!device_) return;
  image_->SetZoom(zoom_);
  // The scroll area centres the image along each axis where it is smaller than the view.
  image_->resize(PageImageSize(*device_, zoom_));
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
}

QSize TTsPreview::ViewSize() const { return maximumViewportSize(); }

void TTsPreview::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  if (zoomState_ == TTsZoomState::Fit) ZoomToFit();
  else if (zoomState_ == TTsZoomState::Width) ZoomToWidth();
  Relayout();
}

bool TTsPreview::event(QEvent* event) {
  if (event->type() == TsPageAvailableEvent::eventType()) {
    PageAvailable(static_cast<TsPageAvailableEvent*>(event)->availablePages);
    return true;
  }
  if (event->type() == TsProgressEvent::eventType()) {
    if (OnProgressUpdate) OnProgressUpdate(static_cast<TsProgressEvent*>(event)->percent);
    return true;
  }
  return QScrollArea::event(event);
}

void TTsPreview::PageAvailable(int availablePages) {
  if (device_ && availablePages == pageNumber_ && !image_->ImageLoaded() &&
      device_->AvailablePages() >= pageNumber_) {
    ZoomToWidth();
    LoadPage(pageNumber_);
  }
  if (OnPageAvailable) OnPageAvailable(availablePages);
}
