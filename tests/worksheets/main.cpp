// Runs the worksheet tests in one program.

#include "TestEnvironment.h"

#include <QApplication>
#include <QTest>

QObject* NewLayoutTest();
QObject* NewFillingTest();
QObject* NewValueFitTest();
QObject* NewPageImageTest();
QObject* NewPageWorkTest();

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (!PinFontsAndResolution()) return 1;
  int failures = 0;
  for (QObject* test : {NewLayoutTest(), NewFillingTest(), NewValueFitTest(), NewPageImageTest(), NewPageWorkTest()}) {
    failures += QTest::qExec(test, argc, argv);
    delete test;
  }
  return failures == 0 ? 0 : 1;
}
