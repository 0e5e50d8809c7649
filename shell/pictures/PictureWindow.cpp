#include "shell/pictures/PictureWindow.h"

#include <QHideEvent>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

QPixmap RenderDrawing(const QString& resource, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QSvgRenderer renderer(resource);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return QPixmap::fromImage(image);
}

QIcon TapeIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48}) {
    icon.addPixmap(RenderDrawing(QStringLiteral(":/pictures/tape-icon.svg"), QSize(side, side)));
  }
  return icon;
}

}  // namespace

// The drawings are compiled into this static library; register them before first use.
static void LoadPictureResources() { Q_INIT_RESOURCE(pictures); }

TPictureWindow::TPictureWindow(const Design& design, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      Image1(new QLabel(this)),
      lastPosition_(design.screenPosition) {
  LoadPictureResources();
  setWindowTitle(design.caption);
  setWindowIcon(TapeIcon());
  setFixedSize(design.clientSize);
  move(design.screenPosition);

  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(QRect(QPoint(0, 0), design.clientSize));
  Image1->setPixmap(RenderDrawing(design.picture, design.pictureSize));
  switch (design.placement) {
    case Placement::TopLeft:
      Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      break;
    case Placement::Stretched:
      Image1->setScaledContents(true);
      break;
    case Placement::Centred:
      Image1->setAlignment(Qt::AlignCenter);
      break;
  }
}

void TPictureWindow::ShowInFront() {
  if (!isVisible()) move(lastPosition_);
  show();
  raise();
  activateWindow();
}

void TPictureWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) lastPosition_ = pos();
  QWidget::hideEvent(event);
}
