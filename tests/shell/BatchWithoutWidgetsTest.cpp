// A roster written to files runs without any widget: here, in a process whose application
// is a QGuiApplication, where constructing a QWidget aborts the process, the program's own
// run of such a roster writes its outputs, reports a table it cannot load without a box, and
// ends with the statuses it documents.

#include "shell/CommandLine.h"
#include "shell/RosterProgram.h"
#include "shell/Startup.h"
#include "tests/shell/TestTables.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QByteArray kRoster =
    "sex,name,rank,ssan,age,weight,height,neck1,neck2,neck3,abdomen1,abdomen2,abdomen3,"
    "hips1,hips2,hips3,forearm1,forearm2,forearm3,wrist1,wrist2,wrist3\n"
    "Male,\"ROE, RICHARD\",SPC,234567890,30,140,70,15,15,15,36,36,36,,,,,,,,,\n"
    "F,\"O'SMITH, MARY\",CPT,345-67-8901,20,95,65.00,12,12,12,,,,40,40,40,10,10,10,6,6,6\n"
    "Male,TOO YOUNG,PVT,123-45-6789,16,200,70,15,15,15,35,35,35,,,,,,,,,\n";

class BatchWithoutWidgets : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTestTables(dir_);
    QFile roster(Path(QStringLiteral("roster.csv")));
    ASSERT_TRUE(roster.open(QIODevice::WriteOnly) && roster.write(kRoster) == kRoster.size());
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }

  int Run(const QStringList& arguments) const {
    const CommandLineOptions options = ParseCommandLine(QStringList{"corvane32"} + arguments);
    EXPECT_TRUE(options.WritesFilesOnly());
    return RunRosterToFiles(*qGuiApp, StartupOptions{dir_.path()}, options);
  }

  QTemporaryDir dir_;
};

}  // namespace

TEST(ThisProcess, AbortsWhenAWidgetIsConstructed) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH({ QWidget widget; }, "Cannot create a QWidget without QApplication");
}

TEST_F(BatchWithoutWidgets, WritesTheWorksheetsAndTheResults) {
  EXPECT_EQ(Run({"--roster", Path(QStringLiteral("roster.csv")), "--pdf", Path(QStringLiteral("worksheets.pdf")),
                 "--results", Path(QStringLiteral("results.csv"))}),
            kRowsRefusedStatus);
  QFile results(Path(QStringLiteral("results.csv")));
  ASSERT_TRUE(results.open(QIODevice::ReadOnly));
  EXPECT_EQ(results.readAll().count("\r\n"), 4);
  QFile pdf(Path(QStringLiteral("worksheets.pdf")));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
}

TEST_F(BatchWithoutWidgets, ATableThatCannotBeLoadedShowsNoBox) {
  ASSERT_TRUE(QFile::remove(dir_.filePath(QStringLiteral("TABLES/Table.B-3"))));
  EXPECT_EQ(Run({"--roster", Path(QStringLiteral("roster.csv")), "--pdf", Path(QStringLiteral("worksheets.pdf"))}),
            kTableErrorStatus);
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("worksheets.pdf"))));
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
