// From the wizard to the printed worksheet: the results step sets the marks of the
// evaluated sex's worksheet, and "&Print Form" opens the preview of the selected one,
// whose exported PDF holds every value.

#include "TestEnvironment.h"
#include "report/device/TsPrinter.h"
#include "report/preview/PdfExport.h"
#include "report/preview/TsStandardPreview.h"
#include "shell/AppWindows.h"
#include "shell/BevelPanel.h"
#include "shell/MainForm.h"
#include "shell/maskedit/MaskedEdit.h"
#include "standards/Calculate.h"
#include "tests/shell/TestTables.h"
#include "tests/shell/support/MessageBoxWatcher.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QStringList Marks(const TWorksheetForm& sheet) {
  return {sheet.Label("X1").Caption(), sheet.Label("X2").Caption(), sheet.Label("X3").Caption()};
}

// While "&Print Form" waits for its preview to close: once the page is generated, note
// the window's page text, export the pages as PDF and close the window.
class PreviewHandler : public QObject {
 public:
  PreviewHandler(TWorksheetForm& sheet, QString pdf) : sheet_(sheet), pdf_(std::move(pdf)) {
    connect(&timer_, &QTimer::timeout, this, &PreviewHandler::Poll);
    timer_.start(20);
  }
  QString pageText;
  bool exported = false;

 private:
  void Poll() {
    TTsPrinter* device = sheet_.Report->Device();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* preview = qobject_cast<TTsStandardPreview*>(window);
      if (preview == nullptr || !preview->isVisible() || device == nullptr ||
          device->Status() != TsPrinterStatus::Finished)
        continue;
      timer_.stop();
      pageText = preview->PageText();
      ExportPdf(*device, pdf_);
      exported = true;
      preview->close();
      return;
    }
  }
  TWorksheetForm& sheet_;
  QString pdf_;
  QTimer timer_;
};

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::unique_ptr<MessageBoxWatcher> boxes_;

  TMainForm& Form() { return *MainForm; }

  void EnterIdentity(bool female) {
    Form().Name->setText(QStringLiteral("DOE, JANE Q"));
    Form().Rank->setText(QStringLiteral("SPC"));
    Form().SSANumber->SetFieldText(QStringLiteral("123-45-6789"));
    Form().Age->SetFieldText(QStringLiteral("20"));
    Form().Weight->SetFieldText(female ? QStringLiteral(" 95") : QStringLiteral("200"));
    Form().Height->SetFieldText(female ? QStringLiteral("65.05") : QStringLiteral("70.00"));
    (female ? Form().SexFemale : Form().SexMale)->setChecked(true);
  }

  // The test tables give a man of 70 in with neck 15 a body fat of 26.004 for an abdomen
  // of 35 and exactly 26 for 36, against a maximum of 26.
  void EvaluateMan(const QString& abdomen) {
    EnterIdentity(false);
    Form().Next->click();
    for (TMaskedEdit* neck : {Form().MNeck1, Form().MNeck2, Form().MNeck3})
      neck->SetFieldText(QStringLiteral("15.00"));
    for (TMaskedEdit* waist : {Form().Waist1, Form().Waist2, Form().Waist3})
      waist->SetFieldText(abdomen);
    Form().Next->click();
    QVERIFY(Form().ResultsPanel->isVisible());
  }

  // A woman of 95 lb and 65 in: 30 against a maximum of 30.
  void EvaluateWoman() {
    EnterIdentity(true);
    Form().Next->click();
    const std::pair<QString, std::array<TMaskedEdit*, 3>> columns[] = {
        {QStringLiteral("40.00"), {Form().Hips1, Form().Hips2, Form().Hips3}},
        {QStringLiteral("10.00"), {Form().Arm1, Form().Arm2, Form().Arm3}},
        {QStringLiteral("12.00"), {Form().FNeck1, Form().FNeck2, Form().FNeck3}},
        {QStringLiteral("06.00"), {Form().Wrist1, Form().Wrist2, Form().Wrist3}}};
    for (const auto& [value, fields] : columns)
      for (TMaskedEdit* field : fields) field->SetFieldText(value);
    Form().Next->click();
    QVERIFY(Form().ResultsPanel->isVisible());
  }

  void BackToDataPage() {
    Form().Previous->click();
    Form().Previous->click();
    QVERIFY(Form().MainPanel->isVisible());
  }

  // Presses "&Print Form" and returns the text of the exported PDF.
  QString PrintForm(TWorksheetForm& expectedSheet) {
    const QString pdf = dir_.filePath(QStringLiteral("worksheet.pdf"));
    QFile::remove(pdf);
    PreviewHandler handler(expectedSheet, pdf);
    QTimer::singleShot(20000, [] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<TTsStandardPreview*>(window)) window->close();
    });
    Form().PrintButton->click();
    if (!handler.exported) return QStringLiteral("no preview of the expected worksheet");
    if (handler.pageText != QStringLiteral("Page 1 of 1")) return handler.pageText;
    return PdfText(pdf);
  }

  static void CheckHolds(const QString& text, const QStringList& values) {
    for (const QString& value : values)
      QVERIFY2(text.contains(value), qPrintable(QStringLiteral("\"%1\" not in:\n%2").arg(value, text)));
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    WriteTestTables(dir_);
    LoadTables(dir_.path().toStdString());
    boxes_ = std::make_unique<MessageBoxWatcher>();
    MainForm = new TMainForm;
    MaleForm = new TMaleForm;
    FemaleForm = new TFemaleForm;
    MainForm->show();
  }

  void cleanupTestCase() {
    QCOMPARE(boxes_->count(), 0);
    delete FemaleForm;
    delete MaleForm;
    delete MainForm;
  }

  void marksFollowTheVerdict() {
    EvaluateMan(QStringLiteral("35.00"));
    QCOMPARE(Form().FinalResults->text(), QStringLiteral("Soldier is NOT within Standards"));
    QCOMPARE(Marks(*MaleForm), (QStringList{"", "X", "X"}));
    QCOMPARE(Marks(*FemaleForm), (QStringList{"X", "X", "X"}));
    BackToDataPage();

    EvaluateMan(QStringLiteral("36.00"));  // equal to the maximum: within standards
    QCOMPARE(Marks(*MaleForm), (QStringList{"X", "", ""}));
    BackToDataPage();

    EvaluateMan(QStringLiteral("35.00"));
    BackToDataPage();
    EvaluateWoman();  // equal to the maximum
    QCOMPARE(Marks(*FemaleForm), (QStringList{"X", "", ""}));
    QCOMPARE(Marks(*MaleForm), (QStringList{"", "X", "X"}));
    BackToDataPage();
  }

  void printsTheMaleWorksheet() {
    EvaluateMan(QStringLiteral("35.00"));
    const QString text = PrintForm(*MaleForm);
    CheckHolds(text, {"DA Form 5500-ER", "DOE, JANE Q", "123-45-6789", "SPC", "20", "70.00",
                      "35.00", "15.00", "20.00", "46.00", "26.00", "200 lbs.", "150 lbs."});
    BackToDataPage();
  }

  void printsTheFemaleWorksheet() {
    EvaluateWoman();
    const QString text = PrintForm(*FemaleForm);
    // The height as typed, the weight with its leading blank; factors, totals, body fat.
    CheckHolds(text, {"DA Form 5501-ER", "DOE, JANE Q", "123-45-6789", "SPC", "65.05", " 95",
                      "40.00", "10.00", "12.00", "6.00", "100.00", "20.00", "50.00", "120.00",
                      "90.00", "30.00"});
    BackToDataPage();
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Corvane 32"));
  if (!PinFontsAndResolution()) return 1;
  PrintFormTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "PrintFormTest.moc"
