#include <QApplication>

int RunFieldWidgetTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Corvane 32"));
  return RunFieldWidgetTests(argc, argv);
}
