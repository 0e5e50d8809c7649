// The program run on a roster as a person runs it from a shell without a display: the
// results file, the refusals on standard error, the exit status and the worksheets' PDF; and
// the command lines and rosters it refuses as usage errors. A copy of the program runs
// beside the test tables, whose results are worked out by hand in tests/shell/TestTables.cpp.

#include "tests/shell/TestTables.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Outcome {
  int status = -1;
  QStringList errorLines;
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The text of each page of a PDF.
QStringList PdfPages(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(60000)) return {};
  QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

class RosterProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new QTemporaryDir;
    WriteTestTables(*dir_);
    QFile::copy(QStringLiteral(CORVANE32_PATH), Path(QStringLiteral("corvane32")));
    QDir(dir_->path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(Path(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }

  static QString Path(const QString& name) { return dir_->filePath(name); }

  // Runs the program in the test folder with no display and no platform named.
  static Outcome RunProgram(const QStringList& arguments, const QString& program = Path(QStringLiteral("corvane32"))) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("runtime")));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(dir_->path());
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
      process.kill();
      process.waitForFinished();
      return {};
    }
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            errors.split(u'\n', Qt::SkipEmptyParts)};
  }

  static inline QTemporaryDir* dir_ = nullptr;
};

// Columns in an order of their own, names in any case; a byte-order mark; CR LF and LF
// lines; a blank line; a quoted value with a line break (in a column a man's row ignores);
// names with commas and quotes; a refused row of every kind; no line end at the end.
const QByteArray kRoster =
    "\xEF\xBB\xBF"
    "SEX,Name,rank,SSAN,Age,weight,Height,neck1,neck2,neck3,abdomen1,abdomen2,abdomen3,"
    "hips1,hips2,hips3,forearm1,forearm2,forearm3,wrist1,wrist2,wrist3\n"
    "Male,\"Doe, John \"\"Jack\"\"\",sgt,123-45-6789,20,200,70.00,15.00,15.00,15.00,35.00,35.00,35.00,,,,,,,,,\r\n"
    "\r\n"
    "m,\"ROE, RICHARD\",spc,234567890,30,140,70,15,15,15,36,36,36,\"not\r\nmeasured\",,,,,,,,\n"
    "F,\"O'SMITH, MARY\",CPT,345-67-8901,20,95,65.00,12,12,12,,,,40,40,40,10,10,10,6,6,6\n"
    "Male,BAD SSAN,PVT,12345678,20,200,70,15,15,15,35,35,35,,,,,,,,,\r\n"
    "Male,TOO YOUNG,PVT,123-45-6789,16,200,70,15,15,15,35,35,35,,,,,,,,,\r\n"
    "Male,NO WEIGHT,PVT,123-45-6789,20,000,70,15,15,15,35,35,35,,,,,,,,,\r\n"
    "Male,TOO SHORT,PVT,123-45-6789,20,200,50.00,15,15,15,35,35,35,,,,,,,,,\r\n"
    "X,NO SEX,PVT,123-45-6789,20,200,70,15,15,15,35,35,35,,,,,,,,,\r\n"
    "Male,NO NECK,PVT,123-45-6789,20,200,70,15,,15,35,35,35,,,,,,,,,\r\n"
    "Male,TWO POINTS,PVT,123-45-6789,20,200,70,15,15,15,35,35,35..5,,,,,,,,,\r\n"
    "Male,THIN,PVT,123-45-6789,20,200,70,15,15,15,18,18,18,,,,,,,,,\r\n"
    "Male,\"GREEN, AL\",PV2,,20,150,70,15,15,15,37,37,37,,,,,,,,,";

const QByteArray kRefusedResults = ",,,,,,,,,,,,,,,,,\r\n";

}  // namespace

TEST_F(RosterProgram, WritesResultsAndWorksheetsAndReportsEveryRefusal) {
  ASSERT_TRUE(WriteAll(Path(QStringLiteral("roster.csv")), kRoster));
  ASSERT_TRUE(WriteAll(Path(QStringLiteral("results.csv")), "an older results file"));
  const Outcome run = RunProgram({"--roster", "roster.csv", "--pdf", "worksheets.pdf", "--results", "results.csv"});

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errorLines,
            (QStringList{
                "roster.csv:7: ssan: Invalid input value.",
                "roster.csv:8: age: Age is outside this application's range!",
                "roster.csv:9: weight: Weight is a required Field!",
                "roster.csv:10: height: Height is outside this application's range!",
                "roster.csv:11: sex: Invalid input value.",
                "roster.csv:12: neck2: This is a required Field!",
                "roster.csv:13: abdomen3: Invalid input value.",
                "roster.csv:14: abdomen: Abdomen minus neck 3.00 is outside the table's range of 5.00 to 40.75 inches.",
            }));
  EXPECT_EQ(ReadAll(Path(QStringLiteral("results.csv"))).toStdString(),
            QByteArray("line,name,rank,sex,status,max_weight,over_screening,avg_neck,avg_abdomen,avg_hips,"
                       "avg_forearm,avg_wrist,abdomen_neck_factor,height_factor,weight_factor,hip_factor,"
                       "forearm_factor,neck_factor,wrist_factor,body_fat,max_body_fat,verdict\r\n"
                       // 26.004 shows as 26.00, and is over the maximum of 26.
                       "2,\"DOE, JOHN \"\"JACK\"\"\",SGT,Male,ok,150,yes,15.00,35.00,,,,46.00,20.00,,,,,,"
                       "26.00,26.00,not within\r\n"
                       "4,\"ROE, RICHARD\",SPC,Male,ok,150,no,15.00,36.00,,,,46.00,20.00,,,,,,26.00,26.00,within\r\n"
                       "6,\"O'SMITH, MARY\",CPT,Female,ok,140,no,12.00,,40.00,10.00,6.00,,50.00,100.00,20.00,"
                       "10.00,10.00,20.00,30.00,30.00,within\r\n"
                       "7,BAD SSAN,PVT,Male,refused: Invalid input value." + kRefusedResults +
                       "8,TOO YOUNG,PVT,Male,refused: Age is outside this application's range!" + kRefusedResults +
                       "9,NO WEIGHT,PVT,Male,refused: Weight is a required Field!" + kRefusedResults +
                       "10,TOO SHORT,PVT,Male,refused: Height is outside this application's range!" + kRefusedResults +
                       "11,NO SEX,PVT,X,refused: Invalid input value." + kRefusedResults +
                       "12,NO NECK,PVT,Male,refused: This is a required Field!" + kRefusedResults +
                       "13,TWO POINTS,PVT,Male,refused: Invalid input value." + kRefusedResults +
                       "14,THIN,PVT,Male,refused: Abdomen minus neck 3.00 is outside the table's range of 5.00 to "
                       "40.75 inches." + kRefusedResults +
                       "15,\"GREEN, AL\",PV2,Male,ok,150,no,15.00,37.00,,,,16.50,20.00,,,,,,-3.50,26.00,within\r\n")
                .toStdString());

  // Without a PDF no worksheet is made; the results are the same.
  EXPECT_EQ(RunProgram({"--roster", "roster.csv", "--results", "alone.csv"}).status, 1);
  EXPECT_EQ(ReadAll(Path(QStringLiteral("alone.csv"))), ReadAll(Path(QStringLiteral("results.csv"))));

  // One page per accepted row, in roster order, each the worksheet of its soldier.
  const QStringList pages = PdfPages(Path(QStringLiteral("worksheets.pdf")));
  ASSERT_EQ(pages.size(), 4);
  const QStringList expected[] = {
      {"DA Form 5500-ER", "DOE, JOHN \"JACK\"", "123-45-6789", "SGT", "200 lbs.", "150 lbs.", "46.00", "26.00"},
      {"DA Form 5500-ER", "ROE, RICHARD", "234-56-7890", "SPC", "36.00", "21.00"},
      {"DA Form 5501-ER", "O'SMITH, MARY", "345-67-8901", "CPT", "65.00", "100.00", "120.00", "30.00"},
      {"DA Form 5500-ER", "GREEN, AL", "PV2", "37.00", "16.50", "-3.50"},
  };
  for (int page = 0; page < 4; ++page)
    for (const QString& text : expected[page])
      EXPECT_TRUE(pages[page].contains(text)) << "page " << page + 1 << " lacks " << text.toStdString();
  EXPECT_FALSE(pages[3].contains(QStringLiteral("123-45-6789")));  // a blank SSAN prints blank
}

TEST_F(RosterProgram, RefusesCommandLinesAndRostersItCannotUseWithoutTouchingOutputs) {
  ASSERT_TRUE(WriteAll(Path(QStringLiteral("header.csv")), "name,rank,waist1\n"));
  ASSERT_TRUE(WriteAll(Path(QStringLiteral("binary.csv")), QByteArray("name,rank\nDOE\0,SGT\n", 19)));
  ASSERT_TRUE(WriteAll(Path(QStringLiteral("kept.csv")), "an earlier run's results"));
  const struct {
    QStringList arguments;
    QString error;
  } cases[] = {
      {{"--rooster", "roster.csv"}, "corvane32: Unknown option 'rooster'."},
      {{"--results", "kept.csv", "--roster"}, "corvane32: Missing value after '--roster'."},
      {{"--results", "kept.csv"}, "corvane32: --results needs a roster (--roster ROSTER.csv)."},
      {{"--roster", "absent.csv", "--results", "kept.csv"}, "corvane32: absent.csv: No such file or directory"},
      {{"--roster", "header.csv", "--results", "kept.csv"}, "corvane32: header.csv:1: unknown column \"waist1\""},
      {{"--roster", "binary.csv", "--pdf", "new.pdf", "--results", "kept.csv"},
       "corvane32: binary.csv:2: not a text file: it holds a NUL byte"},
      {{"--roster", "roster.csv", "--results", "no/such/folder/results.csv"},
       "corvane32: no/such/folder/results.csv: No such file or directory"},
  };
  for (const auto& [arguments, error] : cases) {
    const Outcome run = RunProgram(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(u' ').toStdString();
    EXPECT_EQ(run.errorLines.value(0), error) << arguments.join(u' ').toStdString();
  }
  EXPECT_EQ(ReadAll(Path(QStringLiteral("kept.csv"))), QByteArray("an earlier run's results"));
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("new.pdf"))));
  EXPECT_EQ(QDir(dir_->path()).entryList({QStringLiteral("*.csv.*"), QStringLiteral("*.pdf.*")}, QDir::Files),
            QStringList());  // no temporary file left behind
}

TEST_F(RosterProgram, ATableThatCannotBeLoadedEndsTheRunWithoutABox) {
  ASSERT_TRUE(WriteAll(Path(QStringLiteral("one.csv")), kRoster.left(kRoster.indexOf('\r'))));
  // A missing file, and a Table.B-1 that lacks its row for 17 inches.
  for (const bool incomplete : {false, true}) {
    QTemporaryDir broken;
    WriteTestTables(broken, incomplete ? QString() : QStringLiteral("Table.B-8"));
    const QString b1 = broken.filePath(QStringLiteral("TABLES/Table.B-1"));
    if (incomplete) ASSERT_TRUE(WriteAll(b1, ReadAll(b1).replace("\r\n17 0 0 0 0\r\n", "\r\n")));
    const QString program = broken.filePath(QStringLiteral("corvane32"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANE32_PATH), program));
    const Outcome run = RunProgram({"--roster", "one.csv", "--results", "one-results.csv"}, program);
    EXPECT_EQ(run.status, 217);
    EXPECT_EQ(run.errorLines,
              QStringList{incomplete ? "Runtime error 217 at " + ShownTablePath(broken, QStringLiteral("Table.B-1")) +
                                           ": no row for 17 inches (the table needs 5 to 40)"
                                     : "Runtime error 217 at " + ShownTablePath(broken, QStringLiteral("Table.B-8")) +
                                           ": file not found"});
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("one-results.csv"))));
  }
}

TEST_F(RosterProgram, AssessesOneSiteRowsBesideMultiSiteRows) {
  // The method in any case, empty for multi-site; the neck not read for a one-site row; a
  // fourth taken when the three are 1.5 in apart (the 40.00 set aside), not read at all when
  // they are exactly 1 in apart, and missing when it is needed.
  ASSERT_TRUE(WriteAll(
      Path(QStringLiteral("mixed.csv")),
      "name,rank,ssan,sex,age,weight,height,Method,neck1,neck2,neck3,abdomen1,abdomen2,abdomen3,abdomen4,"
      "hips1,hips2,hips3,forearm1,forearm2,forearm3,wrist1,wrist2,wrist3\n"
      "DOE,PVT,123-45-6789,Male,20,200,70,,15,15,15,35,35,35,,,,,,,,,,\n"
      "ONE MAN,PVT,123-45-6789,M,20,200,70,One-Site,not measured,,,38.5,40,38.5,38.5,,,,,,,,,\n"
      "ONE WOMAN,PFC,345-67-8901,F,20,95,65,one-site,,,,30,30.5,31,n/a,,,,,,,,,\n"
      "NO FOURTH,PFC,345-67-8901,Female,20,95,65,ONE-SITE,,,,30,32,30,,,,,,,,,,\n"
      "ODD METHOD,PVT,123-45-6789,Male,20,200,70,tape,15,15,15,35,35,35,,,,,,,,,,\n"
      "O'SMITH,CPT,345-67-8901,F,20,95,65,multi-site,12,12,12,,,,,40,40,40,10,10,10,6,6,6\n"));
  const Outcome run = RunProgram({"--roster", "mixed.csv", "--pdf", "mixed.pdf", "--results", "mixed-results.csv"});

  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errorLines, (QStringList{
                                "mixed.csv:5: abdomen4: The first three are more than one inch apart: take a fourth "
                                "measurement. The three closest are averaged.",
                                "mixed.csv:6: method: The method is one-site or multi-site.",
                            }));
  // Body fat and maximum in whole percents as the one-site results page shows them, the
  // average the equation takes, no factors; the method last.
  EXPECT_EQ(ReadAll(Path(QStringLiteral("mixed-results.csv"))).toStdString(),
            QByteArray("line,name,rank,sex,status,max_weight,over_screening,avg_neck,avg_abdomen,avg_hips,"
                       "avg_forearm,avg_wrist,abdomen_neck_factor,height_factor,weight_factor,hip_factor,"
                       "forearm_factor,neck_factor,wrist_factor,body_fat,max_body_fat,verdict,method\r\n"
                       "2,DOE,PVT,Male,ok,150,yes,15.00,35.00,,,,46.00,20.00,,,,,,26.00,26.00,not within,"
                       "multi-site\r\n"
                       // 25.645 rounds to 26, the maximum: within.
                       "3,ONE MAN,PVT,Male,ok,150,yes,,38.50,,,,,,,,,,,26,26,within,one-site\r\n"
                       "4,ONE WOMAN,PFC,Female,ok,140,no,,30.50,,,,,,,,,,,28,30,within,one-site\r\n"
                       "5,NO FOURTH,PFC,Female,refused: The first three are more than one inch apart: take a "
                       "fourth measurement. The three closest are averaged.,,,,,,,,,,,,,,,,,,one-site\r\n"
                       "6,ODD METHOD,PVT,Male,refused: The method is one-site or multi-site.,,,,,,,,,,,,,,,,,,"
                       "tape\r\n"
                       "7,O'SMITH,CPT,Female,ok,140,no,12.00,,40.00,10.00,6.00,,50.00,100.00,20.00,10.00,10.00,"
                       "20.00,30.00,30.00,within,multi-site\r\n")
                .toStdString());

  const QStringList pages = PdfPages(Path(QStringLiteral("mixed.pdf")));
  ASSERT_EQ(pages.size(), 4);
  const QString oneSite = QStringLiteral("BODY FAT CONTENT WORKSHEET (One-Site Tape Method)");
  const QStringList expected[] = {
      {"DA Form 5500-ER", "DOE"},
      {oneSite, "ONE MAN", "38.50", "40.00", "not used", "25.64", "1.99 × 38.50"},
      {oneSite, "ONE WOMAN", "30.50", "31.00", "not needed", "28.16", "1.27 × 30.50"},
      {"DA Form 5501-ER", "O'SMITH"},
  };
  for (int page = 0; page < 4; ++page)
    for (const QString& text : expected[page])
      EXPECT_TRUE(pages[page].contains(text)) << "page " << page + 1 << " lacks " << text.toStdString();
}
