#include <QCoreApplication>

int RunFieldModelTests(int argc, char** argv);
int RunAssessmentTests(int argc, char** argv);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int failures = RunFieldModelTests(argc, argv);
  failures += RunAssessmentTests(argc, argv);
  return failures;
}
