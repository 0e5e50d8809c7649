#include <QCoreApplication>

int RunFieldModelTests(int argc, char** argv);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return RunFieldModelTests(argc, argv);
}
