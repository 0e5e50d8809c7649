// The program's --history and --forget, run as a user runs them, against both stores.

#include "records/AssessmentStore.h"
#include "tests/records/SampleRecords.h"
#include "tests/records/StoreBackends.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

const QString kSsan = QStringLiteral("123-45-6789");

struct Outcome {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

class RecordsCommandTest : public StoreTest {
 protected:
  // Runs the program with the user's folders in the test's folder.
  Outcome Run(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder_.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CORVANE32_PATH), arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    Outcome outcome{program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
    // No SSAN reaches the console, whatever the command.
    for (const QByteArray ssan : {QByteArray("123-45-6789"), QByteArray("123456789"), QByteArray("555-44-3333")}) {
      EXPECT_FALSE(outcome.out.contains(ssan)) << outcome.out.toStdString();
      EXPECT_FALSE(outcome.err.contains(ssan)) << outcome.err.toStdString();
    }
    return outcome;
  }
  Outcome History(const QString& id) { return Run({"--history", id, "--database", DatabaseArgument()}); }

  void RecordFiveMonths() {
    AssessmentStore store(Location());
    store.Record(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 2, 15), 197, 27.9));
    store.Record(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 1, 15), 200, 28));
    store.Record(OneSiteMan("DOE JOHN", kSsan, QDate(2026, 3, 15), 197, 27));
    store.Record(
        WithExemptionAndSupplemental(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 4, 15), 196, 27.5), false, 258));
    store.Record(WithExemptionAndSupplemental(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 5, 15), 196, 28), true, 270));
    store.Record(MultiSiteMan(QStringLiteral("=HYPERLINK(\"x\")"), QString(), QDate(2026, 4, 15), 150, 20));
  }
};

const QByteArray kFiveMonths =
    "date,name,rank,method,weight,body_fat,max_body_fat,verdict,abcp\r\n"
    "2026-01-15,DOE JOHN,SGT,multi-site,200,28.00,26.00,not within,enrolled\r\n"
    "2026-02-15,DOE JOHN,SGT,multi-site,197,27.90,26.00,not within,satisfactory\r\n"
    "2026-03-15,DOE JOHN,SGT,one-site,197,27,26,not within,unsatisfactory\r\n"
    "2026-04-15,DOE JOHN,SGT,multi-site,196,25.8,26.00,within,released\r\n"
    "2026-05-15,DOE JOHN,SGT,multi-site,196,27.0,26.00,exempt,\r\n";

TEST_P(RecordsCommandTest, HistoryWritesTheAssessmentsOldestFirstWithTheirProgress) {
  RecordFiveMonths();
  for (const QString& id : {QStringLiteral("123456789"), kSsan, QStringLiteral("doe john")}) {
    const Outcome outcome = History(id);
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, kFiveMonths);
    EXPECT_EQ(outcome.err, QByteArray());
  }
  // A name a spreadsheet would run is written as text.
  EXPECT_EQ(History(QStringLiteral("=hyperlink(\"x\")")).out.split('\n').value(1),
            QByteArray("2026-04-15,\"'=HYPERLINK(\"\"x\"\")\",SGT,multi-site,150,20.00,26.00,within,\r"));
}

TEST_P(RecordsCommandTest, NoSuchSoldierOrANameOfTwoEndsWithStatusOne) {
  RecordFiveMonths();
  AssessmentStore(Location()).Record(MultiSiteMan("DOE JOHN", "555-44-3333", QDate(2026, 1, 1), 180, 20));
  for (const QString& id : {"987-65-4321", "NOBODY"}) {
    const Outcome outcome = History(id);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.err.contains("no soldier is recorded by that SSAN or name")) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, QByteArray());
  }
  const Outcome twoOfThem = History(QStringLiteral("DOE JOHN"));
  EXPECT_EQ(twoOfThem.status, 1);
  EXPECT_TRUE(twoOfThem.err.contains("2 soldiers are recorded by that name; give the SSAN")) << twoOfThem.err.toStdString();
  EXPECT_EQ(History(QStringLiteral("555443333")).status, 0);
}

TEST_P(RecordsCommandTest, ForgetDeletesTheSoldiersRecordsAndSaysHowMany) {
  RecordFiveMonths();
  const Outcome forgotten = Run({"--forget", kSsan, "--database", DatabaseArgument()});
  EXPECT_EQ(forgotten.status, 0);
  EXPECT_TRUE(forgotten.err.contains(": 5 records deleted.")) << forgotten.err.toStdString();
  EXPECT_EQ(History(kSsan).status, 1);
  const Outcome again = Run({"--forget", kSsan, "--database", DatabaseArgument()});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(History(QStringLiteral("=HYPERLINK(\"x\")")).status, 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, RecordsCommandTest, ::testing::Values(Backend::Sqlite, Backend::PostgreSql),
                         BackendName);

// The store named by the settings file, or the default; a store that cannot be opened.
// (Usage errors: tests/shell/CommandLineTest, and their status RosterProgramTest's.)
class RecordsCommandDefaultsTest : public RecordsCommandTest {};

TEST_P(RecordsCommandDefaultsTest, WithoutDatabaseTheSettingsOrTheDefaultStoreIsRead) {
  // No default store yet: no soldier, and no file made for it.
  const Outcome none = Run({"--history", kSsan});
  EXPECT_EQ(none.status, 1);
  EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("data/corvane32/assessments.sqlite"))));

  const StoreLocation defaultStore{.path = folder_.filePath(QStringLiteral("data/corvane32/assessments.sqlite"))};
  AssessmentStore(defaultStore).Record(MultiSiteMan("DOE JOHN", kSsan, QDate(2026, 1, 15), 200, 28));
  EXPECT_EQ(Run({"--history", kSsan}).status, 0);

  // The settings file names another store, which holds no such soldier.
  QDir().mkpath(folder_.filePath(QStringLiteral("config/corvane32")));
  QFile settings(folder_.filePath(QStringLiteral("config/corvane32/corvane32.conf")));
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write("[General]\ndatabase=" + Location().path.toUtf8() + "\n");
  settings.close();
  AssessmentStore(Location()).Record(MultiSiteMan("ROE JANE", QString(), QDate(2026, 1, 15), 150, 20));
  EXPECT_EQ(Run({"--history", kSsan}).status, 1);
  EXPECT_EQ(Run({"--history", "roe jane"}).status, 0);
  // --database before the settings.
  EXPECT_EQ(Run({"--history", kSsan, "--database", defaultStore.path}).status, 0);
}

TEST_P(RecordsCommandDefaultsTest, AStoreThatCannotBeOpenedEndsWithStatusTwo) {
  QFile text(folder_.filePath(QStringLiteral("notes.txt")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a database at all, but long enough to be read as one\n");
  text.close();
  const Outcome refused = Run({"--history", kSsan, "--database", text.fileName()});
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.err.contains("notes.txt")) << refused.err.toStdString();
  const Outcome withPassword = Run({"--forget", kSsan, "--database", "postgresql://a:pw@h/d"});
  EXPECT_EQ(withPassword.status, 2);
  EXPECT_TRUE(withPassword.err.contains("~/.pgpass")) << withPassword.err.toStdString();
  const QString noServer = QStringLiteral("postgresql://postgres@/weighin?host=") + folder_.filePath(QStringLiteral("none"));
  const Outcome unreachable = Run({"--history", kSsan, "--database", noServer});
  EXPECT_EQ(unreachable.status, 2);
  EXPECT_TRUE(unreachable.err.contains("postgresql://postgres@/weighin")) << unreachable.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, RecordsCommandDefaultsTest, ::testing::Values(Backend::Sqlite), BackendName);

}  // namespace
