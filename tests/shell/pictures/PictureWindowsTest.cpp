// The measuring-picture windows: their design, showing in front, closing.

#include <QApplication>
#include <QTest>
#include <memory>

#include "shell/pictures/Forearm.h"
#include "shell/pictures/Hips.h"
#include "shell/pictures/Navel.h"
#include "shell/pictures/Neck.h"
#include "shell/pictures/Waist.h"
#include "shell/pictures/Wrist.h"

namespace {

std::unique_ptr<TPictureWindow> MakeWindow(const QString& className) {
  if (className == "TMaleNeck") return std::make_unique<TMaleNeck>();
  if (className == "TMaleAbdomen") return std::make_unique<TMaleAbdomen>();
  if (className == "TFemHips") return std::make_unique<TFemHips>();
  if (className == "TFemWrist") return std::make_unique<TFemWrist>();
  if (className == "TNavel") return std::make_unique<TNavel>();
  return std::make_unique<TFemArm>();
}

int VisibleWindowsTitled(const QString& caption) {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->windowTitle() == caption) ++count;
  }
  return count;
}

}  // namespace

class PictureWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void design_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("neck") << "TMaleNeck" << "Neck" << QSize(112, 218) << QPoint(504, 193);
    QTest::newRow("abdomen") << "TMaleAbdomen" << "Abdomen" << QSize(113, 215) << QPoint(45, 123);
    QTest::newRow("hips") << "TFemHips" << "Hips" << QSize(116, 209) << QPoint(52, 221);
    QTest::newRow("wrist") << "TFemWrist" << "Wrist" << QSize(158, 201) << QPoint(461, 10);
    QTest::newRow("forearm") << "TFemArm" << "Forearm" << QSize(157, 194) << QPoint(12, 24);
    QTest::newRow("navel") << "TNavel" << "Navel" << QSize(140, 200) << QPoint(560, 123);
  }
  void design() {
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QPoint, position);
    const std::unique_ptr<TPictureWindow> window = MakeWindow(className);
    QCOMPARE(window->metaObject()->className(), className);
    QVERIFY(!window->isVisible());
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
    QCOMPARE(window->pos(), position);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window->windowIcon().isNull());

    QCOMPARE(window->Image1->geometry(), QRect(QPoint(0, 0), client));
    // A drawing was rendered: its pixels are not all white.
    const QImage picture = window->Image1->pixmap().toImage();
    QVERIFY(!picture.isNull());
    int inked = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) inked += picture.pixel(x, y) != qRgb(255, 255, 255);
    }
    QVERIFY(inked > picture.width() * picture.height() / 50);
  }

  void pictureSizesAndPlacement() {
    TMaleNeck neck;
    QCOMPARE(neck.Image1->pixmap().size(), QSize(116, 217));
    QCOMPARE(neck.Image1->alignment(), Qt::AlignLeft | Qt::AlignTop);
    TFemHips hips;
    QCOMPARE(hips.Image1->pixmap().size(), QSize(116, 213));
    QVERIFY(hips.Image1->hasScaledContents());
    TFemWrist wrist;
    QCOMPARE(wrist.Image1->pixmap().size(), QSize(160, 200));
    QCOMPARE(wrist.Image1->alignment(), Qt::AlignCenter);
  }

  void secondShowKeepsOneInstanceInFront() {
    TMaleNeck neck;
    TFemHips hips;
    neck.ShowInFront();
    QVERIFY(QTest::qWaitForWindowActive(&neck));
    hips.ShowInFront();
    QVERIFY(QTest::qWaitForWindowActive(&hips));
    neck.ShowInFront();
    QVERIFY(QTest::qWaitForWindowActive(&neck));
    QCOMPARE(VisibleWindowsTitled("Neck"), 1);
    QVERIFY(hips.isVisible());  // several windows may be open at once
  }

  void closedAndReopenedWhereItWasLeft() {
    TFemArm arm;
    arm.ShowInFront();
    QVERIFY(QTest::qWaitForWindowExposed(&arm));
    arm.move(300, 220);
    QTRY_COMPARE(arm.pos(), QPoint(300, 220));
    QVERIFY(arm.close());
    QVERIFY(!arm.isVisible());
    QVERIFY(!arm.testAttribute(Qt::WA_DeleteOnClose));
    arm.ShowInFront();
    QVERIFY(QTest::qWaitForWindowExposed(&arm));
    QCOMPARE(arm.pos(), QPoint(300, 220));
    QCOMPARE(arm.size(), QSize(157, 194));
  }
};

QTEST_MAIN(PictureWindowsTest)
#include "PictureWindowsTest.moc"
