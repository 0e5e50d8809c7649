// The command line, and the program started with a page file: the preview alone, its
// refusals, and the tables loaded first.

#include "report/device/LiveInstances.h"
#include "report/preview/TsStandardPreview.h"
#include "shell/AppWindows.h"
#include "shell/CommandLine.h"
#include "shell/PreviewAlone.h"
#include "shell/Startup.h"
#include "tests/report/support/StoredDocuments.h"
#include "tests/report/support/VisiblePreviews.h"
#include "tests/shell/TestTables.h"
#include "tests/shell/support/MessageBoxWatcher.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Request = CommandLineOptions::Request;
Q_DECLARE_METATYPE(CommandLineOptions::Request)

namespace {

// The first bytes of a page file: format word 3 and version word 305, little-endian.
const QByteArray kPageFileStart("\x03\x00\x31\x01", 4);

CommandLineOptions Parse(const QStringList& arguments) {
  return ParseCommandLine(QStringList{QStringLiteral("corvane32")} + arguments);
}

}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
  }

  // A saved two-page document.
  QString SavePageFile() {
    const auto document = StoreDocumentOf(2, [](TTsPrinter& device, int page) {
      device.Canvas()->drawText(100, 100, QStringLiteral("page %1").arg(page));
    });
    const QString fileName = dir_.filePath(QStringLiteral("saved.tsr"));
    document->SaveToFile(fileName);
    return fileName;
  }

 private slots:
  void takesNoFileOrOnePageFile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pageFile");
    QTest::newRow("nothing: the wizard") << QStringList{} << QString();
    QTest::newRow("a page file's name, whether it exists or not") << QStringList{"week.tsr"} << "week.tsr";
    QTest::newRow("the extension in capitals") << QStringList{"WEEK.TSR"} << "WEEK.TSR";
    const QString unnamed = WriteFile(QStringLiteral("unnamed"), kPageFileStart + QByteArray(200, '\0'));
    QTest::newRow("a page file known by its header") << QStringList{unnamed} << unnamed;
  }

  void takesNoFileOrOnePageFile() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, pageFile);
    const CommandLineOptions options = Parse(arguments);
    QCOMPARE(options.request, Request::Run);
    QCOMPARE(options.pageFile, pageFile);
  }

  void refusesAnyOtherLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a PDF file") << QStringList{"week.pdf"} << "week.pdf is not a page file";
    const QString other = WriteFile(QStringLiteral("other.bin"), QByteArray("\x03\x00\x30\x01 not quite", 14));
    QTest::newRow("a file with another header") << QStringList{other} << "other.bin is not a page file";
    QTest::newRow("two files") << QStringList{"a.tsr", "b.tsr"} << "one page file at a time";
    QTest::newRow("a roster and a page file") << QStringList{"--roster", "r.csv", "a.tsr"}
                                              << "a page file and a roster cannot be opened together";
    QTest::newRow("a roster without a name") << QStringList{"--roster="} << "--roster needs the name";
    QTest::newRow("results without a name") << QStringList{"--roster", "r.csv", "--results="}
                                            << "--results needs the name of a file.";
    QTest::newRow("a PDF without a name") << QStringList{"--roster", "r.csv", "--pdf", ""}
                                          << "--pdf needs the name of a file.";
    QTest::newRow("a PDF to standard output") << QStringList{"--roster", "r.csv", "--pdf", "-"}
                                              << "only --results writes to standard output (-)";
    QTest::newRow("results given twice") << QStringList{"--roster", "r.csv", "--results", "a.csv", "--results=b.csv"}
                                         << "--results is given more than once.";
    QTest::newRow("a roster given twice") << QStringList{"--roster", "r.csv", "--roster", "r.csv"}
                                          << "--roster is given more than once.";
    QTest::newRow("a PDF given twice, even without a roster") << QStringList{"--pdf", "a.pdf", "--pdf", "b.pdf"}
                                                              << "--pdf is given more than once.";
    QTest::newRow("a history and a forgetting") << QStringList{"--history", "DOE", "--forget", "DOE"}
                                                << "--history goes with no --forget";
    QTest::newRow("a forgetting and a roster") << QStringList{"--forget", "DOE", "--roster", "r.csv"}
                                               << "--forget goes with no --roster";
    QTest::newRow("a history and results") << QStringList{"--results", "r.csv", "--history", "DOE"}
                                           << "--history goes with no --results";
    QTest::newRow("a history and a roster") << QStringList{"--history", "DOE", "--roster", "r.csv"}
                                            << "--history goes with no --roster";
    QTest::newRow("a history and a page file") << QStringList{"--history", "DOE", "a.tsr"} << "--history opens no page file";
    QTest::newRow("a forgetting and a page file") << QStringList{"--forget", "DOE", "a.tsr"} << "--forget opens no page file";
    QTest::newRow("a history of nobody") << QStringList{"--history", " "} << "--history needs the soldier's SSAN or name";
    QTest::newRow("a history of no name") << QStringList{"--history", ""} << "--history needs the soldier's SSAN or name";
    QTest::newRow("a database without a name") << QStringList{"--database=", "--history", "DOE"}
                                               << "--database needs a file or a postgresql:// URL";
    QTest::newRow("a database given twice") << QStringList{"--database", "a", "--database", "b"}
                                            << "--database is given more than once.";
    QTest::newRow("a recording without a roster") << QStringList{"--record", "--database", "a.sqlite"}
                                                  << "--record needs a roster (--roster ROSTER.csv).";
    QTest::newRow("a recording of a page file") << QStringList{"--record", "a.tsr"} << "--record needs a roster";
    QTest::newRow("a recording and a history") << QStringList{"--history", "DOE", "--record"}
                                               << "--history goes with no --record";
    QTest::newRow("an SSAN in a usage error is not shown") << QStringList{"--forget", "123-45-6789", "--history", "123-45-6789"}
                                                           << "--history goes with no --forget";
    QTest::newRow("a template of no method") << QStringList{"--roster-template", "tape"}
                                             << "--roster-template takes one-site or multi-site, not \"tape\".";
    QTest::newRow("a template of a page file") << QStringList{"--roster-template", "week.tsr"}
                                               << "--roster-template takes one-site or multi-site, not \"week.tsr\".";
    QTest::newRow("a template of an empty method") << QStringList{"--roster-template="}
                                                   << "--roster-template takes one-site or multi-site, not \"\".";
    QTest::newRow("a template of two methods") << QStringList{"--roster-template", "one-site", "multi-site"}
                                               << "--roster-template takes one method, not 2.";
    QTest::newRow("a template with a roster") << QStringList{"--roster", "r.csv", "--roster-template"}
                                              << "--roster-template writes a roster to fill in; it takes no other";
    QTest::newRow("a template with results") << QStringList{"--roster-template", "one-site", "--results", "r.csv"}
                                             << "--roster-template writes a roster to fill in; it takes no other";
    QTest::newRow("a template with a history") << QStringList{"--history", "DOE", "--roster-template"}
                                               << "--roster-template writes a roster to fill in; it takes no other";
  }

  // The method follows the option as its own argument or after "=", in any spelling a
  // roster's method column takes; without one the template is the multi-site method's.
  void writesARosterTemplateOfEitherMethod_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("columns");
    const QString multiSite = QStringLiteral("name,rank,ssan,sex,age,weight,height,method,neck1,");
    const QString oneSite = QStringLiteral("name,rank,ssan,sex,age,weight,height,method,abdomen1,abdomen2,"
                                           "abdomen3,abdomen4\r\n");
    QTest::newRow("alone") << QStringList{"--roster-template"} << multiSite;
    QTest::newRow("multi-site") << QStringList{"--roster-template", "multi-site"} << multiSite;
    QTest::newRow("one-site") << QStringList{"--roster-template", "one-site"} << oneSite;
    QTest::newRow("with =") << QStringList{"--roster-template=one-site"} << oneSite;
    QTest::newRow("spelt as in a sheet") << QStringList{"--roster-template", "One Site"} << oneSite;
    QTest::newRow("the method first") << QStringList{"one-site", "--roster-template"} << oneSite;
  }

  void writesARosterTemplateOfEitherMethod() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, columns);
    const CommandLineOptions options = Parse(arguments);
    QCOMPARE(options.request, Request::RosterTemplate);
    QVERIFY2(options.text.startsWith(columns), qPrintable(options.text));
    QCOMPARE(options.text.count(QStringLiteral("\r\n")), 2);
  }

  void takesARosterWithOrWithoutOutputFiles() {
    const CommandLineOptions files = Parse({"--results=r.csv", "--roster", "unit.csv", "--pdf", "w.pdf"});
    QCOMPARE(files.request, Request::Run);
    QCOMPARE(QStringList({files.roster, files.pdf, files.results}), QStringList({"unit.csv", "w.pdf", "r.csv"}));
    QVERIFY(files.WritesFilesOnly());
    const CommandLineOptions toOutput = Parse({"--roster", "unit.csv", "--results", "-"});
    QCOMPARE(toOutput.request, Request::Run);
    QCOMPARE(toOutput.results, "-");
    QVERIFY(toOutput.WritesFilesOnly());
    const CommandLineOptions preview = Parse({"--roster", "unit.csv"});
    QCOMPARE(preview.roster, QStringLiteral("unit.csv"));
    QVERIFY(!preview.WritesFilesOnly());
    QVERIFY(!preview.record);
    const CommandLineOptions recorded = Parse({"--record", "--roster", "unit.csv", "--database", "unit.sqlite"});
    QCOMPARE(recorded.request, Request::Run);
    QVERIFY(recorded.record);
    QCOMPARE(recorded.database, "unit.sqlite");
  }

  void refusesAnyOtherLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    const CommandLineOptions options = Parse(arguments);
    QCOMPARE(options.request, Request::UsageError);
    QVERIFY2(options.text.contains(reason), qPrintable(options.text));
    QVERIFY(options.text.contains(QStringLiteral("corvane32 --help")));
    QVERIFY(!options.text.contains(QStringLiteral("123-45-6789")));
  }

  void takesAHistoryOrAForgettingAndADatabaseForAnyMode() {
    const CommandLineOptions history = Parse({"--history", "123-45-6789", "--database", "unit.sqlite"});
    QCOMPARE(history.request, Request::Run);
    QCOMPARE(QStringList({history.history, history.forget, history.database}),
             QStringList({"123-45-6789", "", "unit.sqlite"}));
    QVERIFY(history.RecordsCommand());
    const CommandLineOptions forget = Parse({"--forget=DOE JOHN"});
    QCOMPARE(QStringList({forget.history, forget.forget, forget.database}), QStringList({"", "DOE JOHN", ""}));
    QVERIFY(forget.RecordsCommand());
    const QString url = QStringLiteral("postgresql://clerk@db/weighin");
    for (const QStringList& mode : {QStringList{}, QStringList{"week.tsr"}, QStringList{"--roster", "r.csv", "--pdf", "w.pdf"}}) {
      const CommandLineOptions options = Parse(mode + QStringList{"--database", url});
      QCOMPARE(options.request, Request::Run);
      QCOMPARE(options.database, url);
      QVERIFY(!options.RecordsCommand());
    }
  }

  // Read before the application object exists: Qt's own options on the line are passed over.
  void aRunToFilesIsToldBeforeTheApplicationStarts() {
    const QStringList program{"corvane32"};
    QVERIFY(AsksForFilesOnly(program + QStringList{"--roster", "r.csv", "--pdf", "w.pdf"}));
    QVERIFY(AsksForFilesOnly(program + QStringList{"-platform", "offscreen", "--roster=r.csv", "-style", "fusion",
                                                   "--results", "-"}));
    QVERIFY(!AsksForFilesOnly(program + QStringList{"-style", "fusion", "--roster", "r.csv"}));
    QVERIFY(!AsksForFilesOnly(program + QStringList{"--pdf", "w.pdf", "--results", "r.csv"}));
    QVERIFY(!AsksForFilesOnly(program + QStringList{"week.tsr"}));
    // The widgets' options mean nothing to a run without windows, which still takes them.
    QCOMPARE(WithoutWidgetOptions(program + QStringList{"-style", "fusion", "--roster", "r.csv", "-stylesheet=a.qss",
                                                        "-widgetcount", "--pdf", "w.pdf", "-stylesheet", "b.qss",
                                                        "-reverse"}),
             program + QStringList({"--roster", "r.csv", "--pdf", "w.pdf", "-reverse"}));
  }

  void helpAndVersionWinOverTheRestOfTheLine() {
    const CommandLineOptions help = Parse({"week.pdf", "--help", "-platform", "offscreen"});
    QCOMPARE(help.request, Request::Help);
    QVERIFY2(help.text.startsWith(QStringLiteral("Usage: corvane32 [options] [file]")), qPrintable(help.text));
    const CommandLineOptions version = Parse({"-v", "--bogus"});
    QCOMPARE(version.request, Request::Version);
    QVERIFY2(version.text.startsWith(QStringLiteral("Corvane 32 ")), qPrintable(version.text));
  }

  void theProgramAnswersOnTheConsole() {
    // Version needs no display at all; a usage error ends with status 2 and says why.
    QProcess version;
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) noDisplay.remove(name);
    version.setProcessEnvironment(noDisplay);
    version.start(QStringLiteral(CORVANE32_PATH), {QStringLiteral("--version")});
    QVERIFY(version.waitForFinished(10000));
    QCOMPARE(version.exitCode(), 0);
    QVERIFY(version.readAllStandardOutput().startsWith("Corvane 32 "));

    QProcess usage;
    usage.start(QStringLiteral(CORVANE32_PATH), {QStringLiteral("week.pdf")});
    QVERIFY(usage.waitForFinished(10000));
    QCOMPARE(usage.exitCode(), kUsageErrorStatus);
    QVERIFY(usage.readAllStandardOutput().isEmpty());
    QVERIFY(usage.readAllStandardError().contains("corvane32: week.pdf is not a page file"));
  }

  void aPageFileOpensInThePreviewAloneUntilItCloses() {
    const QString fileName = SavePageFile();
    QString pageText;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (TTsStandardPreview* preview = VisiblePreview()) {
        pageText = preview->PageText();
        preview->close();
      }
    });
    closer.start(10);

    QCOMPARE(RunPageFileProgram(*qApp, {QCoreApplication::applicationDirPath()}, fileName), 0);

    QCOMPARE(pageText, QStringLiteral("Page 1 of 2"));
    QCOMPARE(LiveInstances<TTsStandardPreview>::Live(), 0);
    QVERIFY(MainForm == nullptr && Splash == nullptr);
  }

  void aRefusedPageFileShowsWhyAndEnds() {
    const QString fileName = WriteFile(QStringLiteral("junk.tsr"), "these are no pages");
    MessageBoxWatcher boxes;
    QCOMPARE(RunPageFileProgram(*qApp, {QCoreApplication::applicationDirPath()}, fileName), kPageFileRefusedStatus);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("Corvane 32"));
    QCOMPARE(boxes.boxes()[0].text, QStringLiteral("The file is not a report page file."));
    QCOMPARE(LiveInstances<TTsStandardPreview>::Live(), 0);
  }

  void theTablesLoadBeforeAPageFileOpens() {
    QTemporaryDir tables;
    CopyShippedTables(tables, QStringLiteral("Table.B-8"));
    MessageBoxWatcher boxes;
    QCOMPARE(RunPageFileProgram(*qApp, {tables.path()}, SavePageFile()), kTableErrorStatus);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes()[0].text,
             QStringLiteral("Runtime error 217 at %1: file not found").arg(ShownTablePath(tables, "Table.B-8")));
    QCOMPARE(LiveInstances<TTsStandardPreview>::Live(), 0);
  }
};

int RunCommandLineTests(int argc, char** argv) {
  CommandLineTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "CommandLineTest.moc"
