// The preview's file dialogs: their titles and filters, the folder they open in, and what a
// typed extension saves.

#include "PreviewTestSupport.h"

#include "report/preview/TsStandardPreview.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QAction* Button(QWidget* window, const char* name) { return window->findChild<QAction*>(name); }

bool IsPdf(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

}  // namespace

class PageFileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The user's documents folder is named in the desktop's user-dirs file.
  void initTestCase() {
    QVERIFY(dir_.isValid() && config_.isValid() && QDir(dir_.path()).mkdir("Documents"));
    QFile userDirs(config_.filePath("user-dirs.dirs"));
    QVERIFY(userDirs.open(QIODevice::WriteOnly));
    userDirs.write("XDG_DOCUMENTS_DIR=\"" + documents().toUtf8() + "\"\n");
    userDirs.close();
    configWasSet_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }
  void cleanupTestCase() {
    if (configWasSet_) qputenv("XDG_CONFIG_HOME", savedConfig_);
    else qunsetenv("XDG_CONFIG_HOME");
  }
  void cleanup() { ClosePreviewWindows(); }

  // The first dialog of the run opens in the documents folder, later ones in the folder of
  // the last file chosen (a cancelled dialog chooses none).
  void dialogsOpenInTheDocumentsFolderThenTheLastOneUsed() {
    auto device = StoreDocument(1);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    {
      FileDialogAnswer cancelled("LoadDialog", {});
      Button(window, "LoadReport")->trigger();
      QVERIFY(cancelled.Answered());
      QCOMPARE(cancelled.title, QString("Load report"));
      QCOMPARE(cancelled.filters, QStringList{"Tessary file (*.tsr)"});
      QCOMPARE(cancelled.folder, documents());
    }
    {
      FileDialogAnswer save("SaveDialog", dir_.filePath("first"));
      Button(window, "SaveReport")->trigger();
      QVERIFY(save.Answered());
      QCOMPARE(save.title, QString("Save report"));
      QCOMPARE(save.filters, (QStringList{"Tessary file(*.tsr)", "PDF document (*.pdf)"}));
      QCOMPARE(save.folder, documents());
    }
    QVERIFY(QFile::exists(dir_.filePath("first.tsr")));
    FileDialogAnswer load("LoadDialog", {});
    Button(window, "LoadReport")->trigger();
    QVERIFY(load.Answered());
    QCOMPARE(load.folder, dir_.path());
  }

  // A name ending in ".pdf" or ".tsr" is saved as that, whatever filter is selected; a name
  // without an extension gets the selected filter's.
  void theTypedExtensionDecidesWhatIsSaved() {
    auto device = StoreDocument(1);
    TTsStandardPreview* window = OpenPreview(device.get());
    QVERIFY(window);
    QDir saved(dir_.filePath("typed"));
    QVERIFY(saved.mkpath("."));
    const struct {
      const char* typed;
      const char* filter;
      const char* written;
      bool pdf;
    } cases[] = {{"named.pdf", "Tessary file(*.tsr)", "named.pdf", true},
                 {"named.tsr", "PDF document (*.pdf)", "named.tsr", false},
                 {"PLAIN.PDF", "Tessary file(*.tsr)", "PLAIN.PDF", true},
                 {"plain", "PDF document (*.pdf)", "plain.pdf", true},
                 {"plain", "Tessary file(*.tsr)", "plain.tsr", false}};
    for (const auto& c : cases) {
      FileDialogAnswer answer("SaveDialog", saved.filePath(c.typed), c.filter);
      Button(window, "SaveReport")->trigger();
      QVERIFY(answer.Answered());
      QVERIFY2(QFile::exists(saved.filePath(c.written)), c.written);
      QCOMPARE(IsPdf(saved.filePath(c.written)), c.pdf);
    }
    QCOMPARE(saved.entryList(QDir::Files, QDir::Name),
             (QStringList{"PLAIN.PDF", "named.pdf", "named.tsr", "plain.pdf", "plain.tsr"}));
    TTsPrinter loaded;
    loaded.LoadFromFile(saved.filePath("named.tsr"));
    QCOMPARE(loaded.PageCount(), 1);
  }

 private:
  QString documents() const { return dir_.filePath("Documents"); }

  QTemporaryDir dir_;
  QTemporaryDir config_;
  QByteArray savedConfig_;
  bool configWasSet_ = false;
};

int RunPageFileDialogTests(int argc, char** argv) {
  PageFileDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PageFileDialogTest.moc"
