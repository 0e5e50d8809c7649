#include <QApplication>

int RunCommandLineTests(int argc, char** argv);
int RunStartupTests(int argc, char** argv);
int RunWizardTests(int argc, char** argv);
int RunHistoryFormTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The wizard's boxes are titled with the application title, which start-up sets.
  QApplication::setApplicationDisplayName(QStringLiteral("Corvane 32"));
  int failures = RunStartupTests(argc, argv);
  failures += RunWizardTests(argc, argv);
  failures += RunCommandLineTests(argc, argv);
  failures += RunHistoryFormTests(argc, argv);
  return failures;
}
