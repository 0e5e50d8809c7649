#include "PreviewTestSupport.h"

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Corvane 32");
  int failures = 0;
  // First: it sees the first file dialog of the run.
  failures += RunPageFileDialogTests(argc, argv);
  failures += RunPreviewWindowTests(argc, argv);
  failures += RunPageFileTests(argc, argv);
  failures += RunPrintFlowTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
