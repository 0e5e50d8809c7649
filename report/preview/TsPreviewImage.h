#pragma once
// The page image inside the page view: the shown page's picture stretched over the
// widget, with a black outline and a drop shadow.

#include <QWidget>

#include <memory>

class QPicture;
class TTsPrinter;

class TTsPreviewImage : public QWidget {
  Q_OBJECT
 public:
  explicit TTsPreviewImage(QWidget* parent = nullptr);
  ~TTsPreviewImage() override;

  // Fetches page n from the device; the image counts as loaded when the device had it.
  void LoadPage(TTsPrinter& device, int n);
  void Unload();
  bool ImageLoaded() const;
  int PageNumber() const;
  int Zoom() const;
  void SetZoom(int zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<QPicture> picture_;
  int pageNumber_ = 0;
  int zoom_ = 100;
};
