// From the wizard to the printed worksheet: the results step sets the marks of the
// evaluated sex's worksheet, and "&Print Form" opens the preview of the selected one, whose
// exported PDF shows every value whole, inside its label's box; a second Print Form shows
// the values as they are then.

#include "TestEnvironment.h"
#include "report/device/PdfExport.h"
#include "report/device/TsPrinter.h"
#include "report/preview/TsPreview.h"
#include "report/preview/TsStandardPreview.h"
#include "shell/AppWindows.h"
#include "shell/BevelPanel.h"
#include "shell/MainForm.h"
#include "shell/maskedit/MaskedEdit.h"
#include "standards/Calculate.h"
#include "tests/report/support/VisiblePreviews.h"
#include "tests/shell/TestTables.h"
#include "tests/shell/support/MessageBoxWatcher.h"
#include "tests/shell/support/WomanMeasurements.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

QStringList Marks(const TWorksheetForm& sheet) {
  return {sheet.Label("X1").Caption(), sheet.Label("X2").Caption(), sheet.Label("X3").Caption()};
}

// While "&Print Form" waits for its preview to close: once a page is generated, runs the
// step (which may change the data and press "&Print Form" again), notes the window's page
// text, exports the pages the window shows as PDF and closes the window.
class PreviewHandler : public QObject {
 public:
  PreviewHandler(QString pdf, std::function<void()> step) : pdf_(std::move(pdf)), step_(std::move(step)) {
    connect(&timer_, &QTimer::timeout, this, &PreviewHandler::Poll);
    timer_.start(20);
  }
  QString pageText;
  bool exported = false;

 private:
  void Poll() {
    for (TTsStandardPreview* preview : VisiblePreviews()) {
      if (!Finished(preview)) continue;
      timer_.stop();
      if (step_) {
        step_();
        QCoreApplication::processEvents();  // the window hears of the new pages
      }
      if (!Finished(preview)) return;
      pageText = preview->PageText();
      ExportPdf(*preview->PagePreview()->Device(), pdf_);
      exported = true;
      preview->close();
      return;
    }
  }
  static bool Finished(TTsStandardPreview* preview) {
    const TTsPrinter* device = preview->PagePreview()->Device();
    return device != nullptr && device->Status() == TsPrinterStatus::Finished;
  }
  QString pdf_;
  std::function<void()> step_;
  QTimer timer_;
};

// A word on the exported page, in points from the page's top-left corner.
struct PdfWord {
  QRectF box;
  QString text;
};

QList<PdfWord> PdfWords(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(20000)) return {};
  static const QRegularExpression word(QString::fromLatin1(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  QList<PdfWord> words;
  for (const QRegularExpressionMatch& m : word.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
    const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
    QString text = m.captured(5);
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
    text.replace("&amp;", "&");
    words.append({QRectF(topLeft, bottomRight), text});
  }
  return words;
}

// A label's box on the page, in points (the layout is in pixels at 96 per inch).
QRectF BoxOf(const TTsLabel& label) {
  const QRectF pixels(label.Bound(TTsSizedComponent::Left), label.Bound(TTsSizedComponent::Top),
                      label.Bound(TTsSizedComponent::Width), label.Bound(TTsSizedComponent::Height));
  return QRectF(pixels.topLeft() * 0.75, pixels.size() * 0.75);
}

QList<PdfWord> WordsIn(const QList<PdfWord>& words, const QRectF& box) {
  QList<PdfWord> inside;
  for (const PdfWord& word : words)
    if (box.contains(word.box.center())) inside << word;
  return inside;
}

// Each label shows exactly its value, inside its box: a right-aligned value ends at the
// box's right edge (its column's), a left-aligned one starts at the left edge (after a
// leading blank, if the value has one).
void CheckValues(const TWorksheetForm& sheet, const QList<PdfWord>& words,
                 const QList<std::pair<QString, QString>>& expected) {
  constexpr qreal kTolerance = 0.75;  // points: a pixel at 96 per inch
  for (const auto& [name, value] : expected) {
    const TTsLabel& label = sheet.Label(name);
    const QRectF box = BoxOf(label);
    const QList<PdfWord> inside = WordsIn(words, box);
    QStringList texts;
    for (const PdfWord& word : inside) texts << word.text;
    QVERIFY2(texts.join(QLatin1Char(' ')) == value.simplified(),
             qPrintable(QStringLiteral("%1 shows \"%2\", not \"%3\"").arg(name, texts.join(' '), value)));
    const qreal left = inside.first().box.left();
    const qreal right = inside.last().box.right();
    const QString where = QStringLiteral("%1 spans %2..%3 pt in its box %4..%5 pt")
                              .arg(name).arg(left).arg(right).arg(box.left()).arg(box.right());
    if (label.Alignment() == TTsAlignment::taRightJustify) {
      QVERIFY2(qAbs(right - box.right()) <= kTolerance, qPrintable(where));
    } else {
      const qreal blank = value.startsWith(QLatin1Char(' ')) ? 4.0 : 0.0;
      QVERIFY2(left >= box.left() - kTolerance && left <= box.left() + blank + kTolerance, qPrintable(where));
    }
  }
}

// The marks the exported page shows, as Marks gives the labels': "X" where a bold "X"
// stands on the blank of X1, X2 or X3.
QStringList MarksShown(const TWorksheetForm& sheet, const QList<PdfWord>& words) {
  QStringList marks;
  for (const char* mark : {"X1", "X2", "X3"}) {
    const QList<PdfWord> inside = WordsIn(words, BoxOf(sheet.Label(mark)).adjusted(-2, -2, 2, 2));
    const bool shown = std::any_of(inside.begin(), inside.end(), [](const PdfWord& word) { return word.text == "X"; });
    marks << (shown ? "X" : "");
  }
  return marks;
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

  void EnterAbdomen(const QString& abdomen) {
    for (TMaskedEdit* waist : {Form().Waist1, Form().Waist2, Form().Waist3}) waist->SetFieldText(abdomen);
  }

  // The test tables give a man of 70 in with neck 15 a body fat of 26.004 for an abdomen
  // of 35 and exactly 26 for 36, against a maximum of 26.
  void EvaluateMan(const QString& abdomen) {
    EnterIdentity(false);
    Form().Next->click();
    for (TMaskedEdit* neck : {Form().MNeck1, Form().MNeck2, Form().MNeck3})
      neck->SetFieldText(QStringLiteral("15.00"));
    EnterAbdomen(abdomen);
    Form().Next->click();
    QVERIFY(Form().ResultsPanel->isVisible());
  }

  // A woman of 95 lb and 65 in: 30 against a maximum of 30.
  void EvaluateWoman() {
    EnterIdentity(true);
    Form().Next->click();
    EnterWomanMeasurements(Form());
    Form().Next->click();
    QVERIFY(Form().ResultsPanel->isVisible());
  }

  void BackToDataPage() {
    Form().Previous->click();
    Form().Previous->click();
    QVERIFY(Form().MainPanel->isVisible());
  }

  // Presses "&Print Form" (with Enter, as a keyboard operator does) and returns the words
  // of the exported PDF; step runs while the preview is open.
  QList<PdfWord> PrintForm(std::function<void()> step = {}) {
    const QString pdf = dir_.filePath(QStringLiteral("worksheet.pdf"));
    QFile::remove(pdf);
    PreviewHandler handler(pdf, std::move(step));
    QTimer::singleShot(20000, [] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<TTsStandardPreview*>(window)) window->close();
    });
    Form().PrintButton->setFocus();
    QTest::keyClick(Form().PrintButton, Qt::Key_Return);
    if (!handler.exported) qWarning("no preview was shown");
    if (handler.pageText != QStringLiteral("Page 1 of 1")) qWarning("%s", qPrintable(handler.pageText));
    return handler.exported && handler.pageText == QStringLiteral("Page 1 of 1") ? PdfWords(pdf) : QList<PdfWord>{};
  }

  // The man of EvaluateMan: step 5 is the abdomen less the neck of 15; the factor of
  // 46.004 or 46 and the body fat of 26.004 or 26 both show as two decimals alike.
  static QList<std::pair<QString, QString>> MaleValues(const QString& abdomen, const QString& difference) {
    return {{"FormNumber", "DA Form 5500-ER"}, {"Name", "DOE, JANE Q"}, {"SSANumber", "123-45-6789"}, {"Rank", "SPC"}, {"Age", "20"},
            {"Height", "70.00"},     {"Weight", "200"},           {"Abs1", abdomen}, {"Abs2", abdomen},
            {"Abs3", abdomen},       {"Abs", abdomen},            {"AvgAbs", abdomen}, {"MNeck1", "15.00"},
            {"MNeck2", "15.00"},     {"MNeck3", "15.00"},         {"MNeck", "15.00"}, {"AvgNeck", "15.00"},
            {"Total1", difference},  {"ANFactor", "46.00"},       {"HFactor", "20.00"}, {"BFC", "26.00"},
            {"ABFC", "26.00"},
            {"AWeight", "200 lbs."}, {"MaxBFC", "26.00"},         {"MaxWeight", "150 lbs."}};
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
    OneSiteForm = new TOneSiteForm;
    MainForm->show();
  }

  void cleanupTestCase() {
    QCOMPARE(boxes_->count(), 0);
    delete OneSiteForm;
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
    const QList<PdfWord> words = PrintForm();
    QVERIFY(!words.isEmpty());
    CheckValues(*MaleForm, words, MaleValues("35.00", "20.00"));
    if (QTest::currentTestFailed()) return;
    QCOMPARE(MarksShown(*MaleForm, words), (QStringList{"", "X", "X"}));
    BackToDataPage();
  }

  void printsTheFemaleWorksheet() {
    EvaluateWoman();
    const QList<PdfWord> words = PrintForm();
    QVERIFY(!words.isEmpty());
    // The height as typed, the weight with its leading blank; factors, totals, body fat.
    QList<std::pair<QString, QString>> values = {
        {"FormNumber", "DA Form 5501-ER"}, {"Name", "DOE, JANE Q"}, {"SSANumber", "123-45-6789"}, {"Rank", "SPC"}, {"Age", "20"},
        {"Height", "65.05"},     {"Weight", " 95"},           {"WFactor", "100.00"}, {"HFactor", "20.00"},
        {"Total1", "120.00"},    {"HtFactor", "50.00"},       {"FFactor", "10.00"}, {"NFactor", "10.00"},
        {"WrFactor", "20.00"},   {"Total2", "90.00"},         {"ActualBFC", "30.00"}};
    for (const auto& [column, value] : {std::pair{"Hips", "40.00"}, {"Arm", "10.00"}, {"FNeck", "12.00"},
                                        {"Wrist", "6.00"}})
      for (const QString& suffix : {"1", "2", "3", ""}) values.append({column + suffix, value});
    CheckValues(*FemaleForm, words, values);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(MarksShown(*FemaleForm, words), (QStringList{"X", "", ""}));
    BackToDataPage();
  }

  // With the preview open the operator corrects the abdomen to 36 (within standards) and
  // presses "&Print Form" again: the open preview shows the new worksheet, and its PDF too.
  void aSecondPrintFormShowsTheValuesAsTheyAreNow() {
    EvaluateMan(QStringLiteral("35.00"));
    bool within = false;
    const QList<PdfWord> words = PrintForm([&] {
      Form().Previous->click();
      EnterAbdomen(QStringLiteral("36.00"));
      Form().Next->click();
      within = Form().FinalResults->text() == QStringLiteral("Soldier is within Standards");
      Form().PrintButton->click();
    });
    QVERIFY(within);
    QVERIFY(!words.isEmpty());
    CheckValues(*MaleForm, words, MaleValues("36.00", "21.00"));
    if (QTest::currentTestFailed()) return;
    QCOMPARE(MarksShown(*MaleForm, words), (QStringList{"X", "", ""}));
    BackToDataPage();
  }

  // The one-site worksheet of a man of 200 lb whose second measurement is set aside:
  // -26.97 - 24 + 1.99 x 38.5 = 25.645, 26 against 26; and of a woman of 95 lb who needed
  // no fourth: -9.15 - 1.425 + 1.27 x 30 = 27.525, 28 against 30.
  void printsTheOneSiteWorksheet_data() {
    QTest::addColumn<bool>("female");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QList<QStringList>>("values");  // label, text
    QTest::addColumn<QStringList>("blank");
    const QList<QStringList> common = {{"FormName", "One-Site Tape Method"}, {"Name", "DOE, JANE Q"},
                                       {"SSANumber", "123-45-6789"}, {"Rank", "SPC"}, {"Age", "20"}};
    QTest::newRow("man, a fourth taken")
        << false << QStringList{"38.50", "40.00", "38.50", "38.50"}
        << common + QList<QStringList>{{"Height", "70.00"}, {"Weight", "200"}, {"Abs1", "38.50"}, {"Abs2", "40.00"},
                                       {"Note2", "not used"}, {"Abs3", "38.50"}, {"Abs4", "38.50"}, {"Abs", "38.50"},
                                       {"AvgAbs", "38.50"}, {"WeightUsed", "200"},
                                       {"Equation", "Men: -26.97 - (0.12 × weight) + (1.99 × abdomen)"},
                                       {"EquationFilled", "= -26.97 - (0.12 × 200) + (1.99 × 38.50)"},
                                       {"BFC", "25.64"}, {"RoundedBFC", "26"}, {"AWeight", "200 lbs."},
                                       {"ABFC", "26"}, {"MaxBFC", "26"}, {"MaxWeight", "150 lbs."}}
        << QStringList{"Note1", "Note3", "Note4"};
    QTest::newRow("woman, three")
        << true << QStringList{"30.00", "30.00", "30.25"}
        << common + QList<QStringList>{{"Height", "65.05"}, {"Weight", " 95"}, {"Abs1", "30.00"}, {"Abs2", "30.00"},
                                       {"Abs3", "30.50"}, {"Note4", "not needed"}, {"Abs", "30.17"},
                                       {"AvgAbs", "30.00"}, {"WeightUsed", "95"},
                                       {"Equation", "Women: -9.15 - (0.015 × weight) + (1.27 × abdomen)"},
                                       {"EquationFilled", "= -9.15 - (0.015 × 95) + (1.27 × 30.00)"},
                                       {"BFC", "27.52"}, {"RoundedBFC", "28"}, {"AWeight", " 95 lbs."},
                                       {"ABFC", "28"}, {"MaxBFC", "30"}, {"MaxWeight", "140 lbs."}}
        << QStringList{"Abs4", "Note1", "Note2", "Note3"};
  }

  void printsTheOneSiteWorksheet() {
    QFETCH(bool, female);
    QFETCH(QStringList, taken);
    QFETCH(QList<QStringList>, values);
    QFETCH(QStringList, blank);
    Form().SetMethod(TapeMethod::OneSite);
    EnterIdentity(female);
    Form().Next->click();
    TMaskedEdit* const fields[] = {Form().Abdomen1, Form().Abdomen2, Form().Abdomen3, Form().Abdomen4};
    for (int i = 0; i < taken.size(); ++i) fields[i]->SetFieldText(taken[i]);
    Form().Next->click();
    QVERIFY(Form().ResultsPanel->isVisible());

    const QList<PdfWord> words = PrintForm();
    QVERIFY(!words.isEmpty());
    QList<std::pair<QString, QString>> expected;
    for (const QStringList& value : values) expected.append({value[0], value[1]});
    CheckValues(*OneSiteForm, words, expected);
    if (QTest::currentTestFailed()) return;
    for (const QString& name : blank)
      QVERIFY2(WordsIn(words, BoxOf(OneSiteForm->Label(name))).isEmpty(), qPrintable(name));
    QCOMPARE(MarksShown(*OneSiteForm, words), (QStringList{"X", "", ""}));
    QCOMPARE(OneSiteForm->Report->JobName(), QStringLiteral("Body Fat Worksheet (One-Site Tape Method)"));
    BackToDataPage();
    Form().SetMethod(TapeMethod::MultiSite);
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
