#include "shell/SplashForm.h"

#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/Glyphs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QShowEvent>
#include <QThread>

namespace {

constexpr QSize kClientSize(359, 227);
constexpr QColor kBlue(0, 0, 255);
constexpr QColor kAqua(0, 255, 255);

QLabel* NewTitleCopy(QWidget* parent, QPoint pos, const QColor& color) {
  // The label grows to its text, which is wider than the designed 122 pixels.
  auto* title = new QLabel(parent);
  title->setGeometry(QRect(pos, QSize(122, 42)));
  title->setFont(PixelFont(QStringLiteral("Times New Roman"), 37, true));
  SetLabelText(title, QStringLiteral("Corvane"));
  title->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
  return title;
}

}  // namespace

TSplash::TSplash(TickSource ticks) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), ticks_(std::move(ticks)) {
  setObjectName(QStringLiteral("Splash"));
  setFont(PointFont(QStringLiteral("MS Sans Serif"), 8));
  setFixedSize(kClientSize);
  BuildFrame();
  BuildDisplay();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - QPoint(kClientSize.width() / 2, kClientSize.height() / 2));
}

void TSplash::BuildFrame() {
  auto* outerPanel = new TBevelPanel(this);
  outerPanel->SetBevels(Bevel::Raised, Bevel::Lowered, 3);
  outerPanel->SetBorder(5);
  outerPanel->setGeometry(rect());

  auto* borderPanel = new TBevelPanel(outerPanel);
  borderPanel->SetBorder(5, true);
  borderPanel->setGeometry(outerPanel->FillRect());

  DisplayPanel = new TBevelPanel(borderPanel);
  DisplayPanel->SetBevels(Bevel::Lowered, Bevel::None);
  DisplayPanel->SetColor(Qt::black);
  DisplayPanel->setGeometry(borderPanel->FillRect());
}

void TSplash::BuildDisplay() {
  Logo = new QLabel(DisplayPanel);
  Logo->setGeometry(20, 20, 59, 58);
  Logo->setPixmap(ArtworkPixmap(QStringLiteral("logo"), Logo->size()));

  TitleBack = NewTitleCopy(DisplayPanel, QPoint(94, 44), kBlue);
  TitleFront = NewTitleCopy(DisplayPanel, QPoint(96, 46), kAqua);

  Version = new QLabel(QStringLiteral("32-bit Version 1.0"), DisplayPanel);
  Version->setGeometry(110, 91, 101, 13);
  Version->setFont(PointFont(QStringLiteral("MS Sans Serif"), 8, true));
  Version->setStyleSheet(QStringLiteral("color: %1;").arg(kAqua.name()));

  Credits = new QLabel(DisplayPanel);
  Credits->setGeometry(34, 113, 253, 54);
  Credits->setText(QStringLiteral("Body-fat assessment by AR 600-9\n"
                                  "Written in C++ with Qt 6\n"
                                  "by the Corvane 32 developers"));
  Credits->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Credits->setFont(PointFont(QStringLiteral("Arial"), 8));
  Credits->setStyleSheet(QStringLiteral("color: %1; background: black;").arg(kAqua.name()));
  Credits->setFocusPolicy(Qt::NoFocus);
  Credits->setCursor(Qt::ArrowCursor);

  NewLoweredPanel(DisplayPanel, QRect(1, 1, 15, 172));
  NewLoweredPanel(DisplayPanel, QRect(16, 1, 304, 15));
  NewLoweredPanel(DisplayPanel, QRect(305, 16, 15, 172));
  ActionPanel = NewLoweredPanel(DisplayPanel, QRect(1, 173, 304, 15));
  ActionPanel->setFont(PointFont(QStringLiteral("Arial"), 8));
  ActionPanel->SetCaption(QStringLiteral("Loading..."));

  ProgressBar = new QProgressBar(ActionPanel);
  ProgressBar->setGeometry(ActionPanel->FillRect());
  ProgressBar->setRange(0, 8 * kProgressStep);
  ProgressBar->setValue(0);
  ProgressBar->setTextVisible(false);
}

void TSplash::StepIt() { ProgressBar->setValue(ProgressBar->value() + kProgressStep); }

void TSplash::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QWidget::showEvent(event);
}

void TSplash::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  event->accept();
}

void TSplash::FormShow() { ShowTicks = ticks_(); }

// Holds the close back until the splash has been up for the minimum time. Takes no input
// and does not repaint while it waits.
void TSplash::FormCloseQuery() {
  constexpr unsigned long kSliceMs = 10;
  while (TicksSince(ShowTicks, ticks_()) <= kMinimumShowTime) QThread::msleep(kSliceMs);
}
