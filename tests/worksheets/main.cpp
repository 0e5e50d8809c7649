// Runs the worksheet tests in one program. It has no QApplication, only a QGuiApplication:
// the worksheets are built, filled and generated without widgets (a worksheet that made
// one would stop the program here).

#include "TestEnvironment.h"

#include <QGuiApplication>
#include <QTest>

QObject* NewLayoutTest();
QObject* NewFillingTest();
QObject* NewValueFitTest();
QObject* NewPageImageTest();
QObject* NewPageWorkTest();
QObject* NewPolicyWorksheetTest();

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!PinFontsAndResolution()) return 1;
  int failures = 0;
  for (QObject* test : {NewLayoutTest(), NewFillingTest(), NewValueFitTest(), NewPageImageTest(), NewPageWorkTest(),
                         NewPolicyWorksheetTest()}) {
    failures += QTest::qExec(test, argc, argv);
    delete test;
  }
  return failures == 0 ? 0 : 1;
}
