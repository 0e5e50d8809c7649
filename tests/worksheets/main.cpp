// Runs the worksheet tests in one program with the fonts and resolution pinned: Arial
// resolves to Liberation Sans and the screen measures 96 pixels per inch.

#include "report/device/ScreenResolution.h"

#include <QApplication>
#include <QFont>
#include <QTest>

#include <cstdio>

QObject* NewLayoutTest();
QObject* NewFillingTest();
QObject* NewValueFitTest();
QObject* NewPageImageTest();

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  if (ScreenPixelsPerInch() != 96) {
    std::fprintf(stderr, "The worksheet tests need a 96 dpi screen, this one has %d.\n",
                 ScreenPixelsPerInch());
    return 1;
  }
  int failures = 0;
  for (QObject* test : {NewLayoutTest(), NewFillingTest(), NewValueFitTest(), NewPageImageTest()}) {
    failures += QTest::qExec(test, argc, argv);
    delete test;
  }
  return failures == 0 ? 0 : 1;
}
