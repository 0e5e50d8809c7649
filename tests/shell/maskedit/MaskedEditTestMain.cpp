#include <QApplication>

int RunFieldModelTests(int argc, char** argv);
int RunFieldWidgetTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Corvane 32"));
  int failures = RunFieldModelTests(argc, argv);
  failures += RunFieldWidgetTests(argc, argv);
  return failures;
}
