// Start-up: the table error, the order of the windows, the splash's minimum time, the
// remembered tape method.

#include "shell/AppWindows.h"
#include "shell/MainForm.h"
#include "shell/MethodSetting.h"
#include "shell/SplashForm.h"
#include "shell/Startup.h"
#include "tests/shell/TestTables.h"
#include "tests/shell/support/MessageBoxWatcher.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <iostream>
#include <sstream>

namespace {

// Records every window shown or hidden while it lives, with the splash's bar on hiding.
class WindowEvents : public QObject {
 public:
  WindowEvents() { qApp->installEventFilter(this); }
  ~WindowEvents() override { qApp->removeEventFilter(this); }

  QStringList shown;
  QStringList log;
  int barWhenSplashHid = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow()) return false;
    if (event->type() == QEvent::Show) {
      shown << widget->metaObject()->className();
      log << QStringLiteral("show ") + widget->objectName();
    } else if (event->type() == QEvent::Hide) {
      log << QStringLiteral("hide ") + widget->objectName();
      if (widget == Splash) barWhenSplashHid = Splash->ProgressBar->value();
    }
    return false;
  }
};

// A tick counter that moves on by `step` milliseconds each time it is read.
struct SteppingTicks {
  uint32_t now = 0;
  uint32_t step = 0;
  int reads = 0;
  TickSource Source() {
    return [this] {
      ++reads;
      now += step;
      return now;
    };
  }
};


// Runs the program on the tables in dir with the splash's clock running fast, runs `act`
// once the main window is up and closes it; returns the exit status.
int RunProgramWith(const QString& dir, const std::function<void()>& act) {
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (MainForm == nullptr || !MainForm->isVisible()) return;
    closer.stop();
    act();
    MainForm->close();
  });
  closer.start(10);
  uint32_t now = 0;
  return RunProgram(*qApp, {dir, [&now] { return now += 1000; }});
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void aMissingTableShowsOnlyTheErrorBox() {
    QTemporaryDir dir;
    CopyShippedTables(dir, QStringLiteral("Table.B-8"));
    WindowEvents windows;
    MessageBoxWatcher boxes;

    QCOMPARE(RunProgram(*qApp, {dir.path()}), 217);

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("Error"));
    QCOMPARE(boxes.boxes()[0].text,
             QStringLiteral("Runtime error 217 at %1: file not found").arg(ShownTablePath(dir, "Table.B-8")));
    QCOMPARE(boxes.boxes()[0].icon, QMessageBox::NoIcon);
    QCOMPARE(windows.shown, QStringList{QStringLiteral("QMessageBox")});
  }

  void theProgramPrintsTheTableErrorOnStderr() {
    QTemporaryDir dir;
    CopyShippedTables(dir, QStringLiteral("STANDARD.TBL"));
    const QString program = dir.filePath(QStringLiteral("corvane32"));
    QVERIFY(QFile::copy(QStringLiteral(CORVANE32_PATH), program));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QVERIFY(process.waitForStarted());
    const QByteArray expected =
        QStringLiteral("Runtime error 217 at %1: file not found\n").arg(ShownTablePath(dir, "STANDARD.TBL")).toUtf8();
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += process.readAllStandardError()).contains(expected), 10000);
    // Its error box waits for an OK nobody can press from here.
    QCOMPARE(process.state(), QProcess::Running);
    process.kill();
    process.waitForFinished();
  }

  void theSplashClosesBeforeTheMainWindowShows() {
    SteppingTicks ticks{.step = 1000};
    WindowEvents windows;
    bool mainFormOpened = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (MainForm != nullptr && MainForm->isVisible()) {
        mainFormOpened = true;
        MainForm->close();
      }
    });
    closer.start(10);

    QCOMPARE(RunProgram(*qApp, {QCoreApplication::applicationDirPath(), ticks.Source()}), 0);

    QVERIFY(mainFormOpened);
    QCOMPARE(windows.log.mid(0, 3),
             (QStringList{QStringLiteral("show Splash"), QStringLiteral("hide Splash"), QStringLiteral("show MainForm")}));
    QCOMPARE(windows.barWhenSplashHid, 160);
    QVERIFY(MainForm == nullptr && Splash == nullptr);
  }

  void theSplashWaitsOutItsMinimumTime_data() {
    QTest::addColumn<uint32_t>("shownAt");
    QTest::addColumn<uint32_t>("step");
    QTest::addColumn<int>("readsWhileClosing");
    QTest::newRow("waits past 3000") << 0u << 700u << 5;
    QTest::newRow("3000 itself is not enough") << 0u << 1000u << 4;
    QTest::newRow("across the wrap of the counter") << 0xFFFFF000u << 700u << 5;
    QTest::newRow("late start-up closes at once") << 0xFFFFFF00u << 5000u << 1;
  }

  void theSplashWaitsOutItsMinimumTime() {
    QFETCH(uint32_t, shownAt);
    QFETCH(uint32_t, step);
    QFETCH(int, readsWhileClosing);
    SteppingTicks ticks{.now = shownAt};
    TSplash splash(ticks.Source());
    splash.show();
    QCOMPARE(splash.ShowTicks, shownAt);

    ticks.step = step;
    ticks.reads = 0;
    splash.close();

    QCOMPARE(ticks.reads, readsWhileClosing);
    QVERIFY(splash.isHidden());
  }

  void theMethodIsRememberedBetweenRuns() {
    QSettings(QStringLiteral("corvane32"), QStringLiteral("corvane32")).clear();
    QCOMPARE(RememberedMethod(), TapeMethod::MultiSite);  // first start
    RememberMethod(TapeMethod::OneSite);

    const QString shipped = QCoreApplication::applicationDirPath();
    TapeMethod atStart = TapeMethod::MultiSite;
    QCOMPARE(RunProgramWith(shipped, [&] {
               atStart = MainForm->Method();
               MainForm->MultiSiteAction->trigger();
             }),
             0);
    QCOMPARE(atStart, TapeMethod::OneSite);
    QCOMPARE(RememberedMethod(), TapeMethod::MultiSite);
    QCOMPARE(RunProgramWith(shipped, [] { MainForm->OneSiteAction->trigger(); }), 0);
    QCOMPARE(RememberedMethod(), TapeMethod::OneSite);
    QSettings(QStringLiteral("corvane32"), QStringLiteral("corvane32")).clear();
  }

  void aSettingsFileOverOneMegabyteIsNeitherReadNorRewritten() {
    const QString path = QSettings(QStringLiteral("corvane32"), "corvane32").fileName();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    const QByteArray oneSite = "[General]\nmethod=one-site\nnote=";
    constexpr qint64 kMegabyte = 1024 * 1024;
    for (const qint64 size : {kMegabyte, kMegabyte + 1}) {
      const QByteArray content = oneSite + QByteArray(size - oneSite.size() - 1, 'x') + "\n";
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == size);
      file.close();

      std::ostringstream errors;
      std::streambuf* const standardError = std::cerr.rdbuf(errors.rdbuf());
      const TapeMethod remembered = RememberedMethod();
      RememberMethod(TapeMethod::MultiSite);
      std::cerr.rdbuf(standardError);

      QVERIFY(file.open(QIODevice::ReadOnly));
      if (size == kMegabyte) {  // read and rewritten as any other
        QCOMPARE(remembered, TapeMethod::OneSite);
        QCOMPARE(errors.str(), std::string());
        QVERIFY(file.readAll().contains("method=multi-site"));
      } else {
        QCOMPARE(remembered, TapeMethod::MultiSite);
        QCOMPARE(QString::fromStdString(errors.str()),
                 QStringLiteral("corvane32: %1: settings file over 1 MB, ignored\n").arg(path));
        QVERIFY(file.readAll() == content);
      }
    }
    QVERIFY(QFile::remove(path));
  }

  void aMissingBadOrIncompleteOneSiteTableStopsStartUp_data() {
    QTest::addColumn<QByteArray>("content");  // empty: the file is missing
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "file not found";
    QTest::newRow("bad number") << QByteArray("h\r\nh\r\nh\r\nh\r\nh\r\n1 -26.97 -O.12 1.99\r\n")
                                << "line 6: bad number \"-O.12\"";
    QTest::newRow("no row for women") << QByteArray("h\nh\nh\nh\nh\n1 -26.97 -0.12 1.99\n")
                                      << "no row for women (the table needs 1 for men and 2 for women)";
  }

  void aMissingBadOrIncompleteOneSiteTableStopsStartUp() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    CopyShippedTables(dir, QStringLiteral("ONESITE.TBL"));
    if (!content.isEmpty()) {
      QFile file(dir.filePath(QStringLiteral("TABLES/ONESITE.TBL")));
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    MessageBoxWatcher boxes;
    QCOMPARE(RunProgram(*qApp, {dir.path()}), 217);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes()[0].text,
             QStringLiteral("Runtime error 217 at %1: %2").arg(ShownTablePath(dir, "ONESITE.TBL"), message));
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("Error"));
  }
};

int RunStartupTests(int argc, char** argv) {
  StartupTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "StartupTest.moc"
