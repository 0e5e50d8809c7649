#pragma once
// TPictureWindow: the common style of the small windows that show how a measurement is
// taken. A fixed-size, always-on-top window with only a close box and one image control,
// Image1, filling the client area. Closing hides it; showing it again puts it back
// where the operator left it.

#include <QLabel>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class TPictureWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the window modelessly, raises it and activates it; an open window only comes
  // to the front again.
  void ShowInFront();

  QLabel* Image1;

 protected:
  enum class Placement { TopLeft, Stretched, Centred };
  struct Design {
    QString caption;
    QSize clientSize;
    QPoint screenPosition;  // of the window frame, the first time it opens
    QString picture;        // SVG resource
    QSize pictureSize;
    Placement placement;
  };

  TPictureWindow(const Design& design, QWidget* parent);

  void hideEvent(QHideEvent* event) override;

 private:
  QPoint lastPosition_;
};
