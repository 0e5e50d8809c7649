#pragma once
// The page view of the preview window: a scrolling area holding one page image. It is
// the client of its output device and receives the device's page-available and
// progress notifications.

#include <QPointer>
#include <QScrollArea>

#include <functional>

class TTsPrinter;
class TTsPreviewImage;

enum class TTsZoomState { Fit, Width, Other };

class TTsPreview : public QScrollArea {
  Q_OBJECT
 public:
  explicit TTsPreview(QWidget* parent = nullptr);

  TTsPrinter* Device() const;
  // Becomes the client of device (nullptr: of none), releasing the previous device's
  // preview, and shows page 1.
  void SetDevice(TTsPrinter* device);
  // Shows page 1 afresh, for a device whose pages have been replaced.
  void ReloadFirstPage();

  int PageNumber() const;
  void SetPageNumber(int n);

  int Zoom() const;
  void SetZoom(int zoom);
  void ZoomToFit();
  void ZoomToWidth();
  TTsZoomState ZoomState() const;
  void Relayout();

  TTsPreviewImage* Image() const;

  std::function<void(int availablePages)> OnPageAvailable;
  std::function<void(int percent)> OnProgressUpdate;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PageAvailable(int availablePages);
  void LoadPage(int n);
  // The view's size without scroll bars.
  QSize ViewSize() const;

  QPointer<TTsPrinter> device_;
  TTsPreviewImage* image_;
  int pageNumber_ = 1;
  int zoom_ = 100;
  TTsZoomState zoomState_ = TTsZoomState::Other;
};
