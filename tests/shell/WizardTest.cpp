// The main window's wizard: exit checks, screening, page changes, focus and results; the
// Method menu and the one-site page.

#include "shell/AppWindows.h"
#include "shell/AssessmentDialog.h"
#include "shell/BevelPanel.h"
#include "shell/CurrentSoldier.h"
#include "shell/MainForm.h"
#include "shell/maskedit/MaskedEdit.h"
#include "shell/pictures/Forearm.h"
#include "shell/pictures/Hips.h"
#include "shell/pictures/Navel.h"
#include "shell/pictures/Neck.h"
#include "shell/pictures/Waist.h"
#include "shell/pictures/Wrist.h"
#include "shell/SupplementalDialog.h"
#include "standards/Calculate.h"
#include "tests/shell/TestTables.h"
#include "tests/shell/support/MessageBoxWatcher.h"
#include "tests/shell/support/WomanMeasurements.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <array>
#include <cstdlib>
#include <memory>

Q_DECLARE_METATYPE(PolicyEntry)
Q_DECLARE_METATYPE(FinalVerdict)

class WizardTest : public QObject {
  Q_OBJECT

  QTemporaryDir tables_;
  std::unique_ptr<TMainForm> form_;
  std::unique_ptr<MessageBoxWatcher> boxes_;

  TMainForm& Form() { return *form_; }

  QStringList Messages() const {
    QStringList texts;
    for (const MessageBoxWatcher::Box& box : boxes_->boxes()) texts << box.text;
    return texts;
  }

  QList<QWidget*> VisiblePages() {
    QList<QWidget*> pages;
    for (QWidget* page : {Form().MainPanel, Form().MalePanel, Form().FemalePanel, Form().OneSitePanel,
                          Form().ResultsPanel})
      if (page->isVisible()) pages << page;
    return pages;
  }

  static void Type(TMaskedEdit* field, const QString& keys) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, keys);
  }

  void EnterSoldier(const QString& weight, const QString& height, bool female = false) {
    Form().Age->SetFieldText(QStringLiteral("20"));
    Form().Weight->SetFieldText(weight);
    Form().Height->SetFieldText(height);
    (female ? Form().SexFemale : Form().SexMale)->setChecked(true);
  }

  void EnterMan(const QString& waist) {
    for (TMaskedEdit* neck : {Form().MNeck1, Form().MNeck2, Form().MNeck3}) neck->SetFieldText(QStringLiteral("15.00"));
    for (TMaskedEdit* field : {Form().Waist1, Form().Waist2, Form().Waist3}) field->SetFieldText(waist);
  }

  void EnterWoman() { EnterWomanMeasurements(Form()); }

  // A man of 200 lb and 70 in, age 20, from the data page to the measurement page.
  void LeaveDataPage() {
    EnterSoldier(QStringLiteral("200"), QStringLiteral("70.00"));
    Form().Next->click();
  }

  // The same man, neck 15, from the data page to the results page.
  void EvaluateMan(const QString& waist) {
    LeaveDataPage();
    EnterMan(waist);
    Form().Next->click();
  }

  void EnterAbdomen(const QStringList& values) {
    TMaskedEdit* const fields[] = {Form().Abdomen1, Form().Abdomen2, Form().Abdomen3, Form().Abdomen4};
    for (int i = 0; i < values.size(); ++i) fields[i]->SetFieldText(values[i]);
  }

  // A test of 485 points on 2026-03-02 (97 points for the plank unless given) for an
  // assessment on 2026-04-01 of a Regular Army soldier, unless given.
  static PolicyEntry TestedPolicy(int plank = 97, CalendarDate date = CalendarDate{std::chrono::year{2026},
                                                                                   std::chrono::April,
                                                                                   std::chrono::day{1}},
                                  Component component = Component::Regular, std::array<int, 4> others = {100, 100, 100, 88}) {
    FitnessTest test{CalendarDate{std::chrono::year{2026}, std::chrono::March, std::chrono::day{2}},
                     {others[0], others[1], others[2], plank, others[3]}};
    return {date, component, test};
  }

  static CalendarDate Day(int year, unsigned month, unsigned day) {
    return CalendarDate{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
  }

  // The labels of the results page a person sees.
  QStringList ShownResultTexts() {
    QStringList texts;
    for (const QLabel* label : Form().ResultsPanel->findChildren<QLabel*>())
      if (label->isVisible() && !label->text().isEmpty()) texts << label->text();
    return texts;
  }

  // Every visible control of the results page lies within it and clear of the others.
  void CheckResultsPageLayout() {
    QList<const QWidget*> shown;
    for (const QWidget* widget : Form().ResultsPanel->findChildren<QWidget*>())
      if (widget->isVisible() && widget->parentWidget() == Form().ResultsPanel && widget->objectName() != "Result")
        shown << widget;
    for (const QWidget* widget : shown) {
      QVERIFY2(Form().ResultsPanel->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
      for (const QWidget* other : shown)
        if (other != widget && !(other == Form().FinalResults || widget == Form().FinalResults))
          QVERIFY2(!other->geometry().intersects(widget->geometry()),
                   qPrintable(widget->objectName() + QStringLiteral(" / ") + other->objectName()));
    }
  }

  QStringList ResultTexts() {
    return {Form().FinalResults->text(), Form().MaxWeightAllowed->text(), Form().ActualWeight->text(),
            Form().MaxBFCLabel->text(), Form().ActualBFC->text()};
  }

 private slots:
  void initTestCase() {
    WriteTestTables(tables_);
    LoadTables(tables_.path().toStdString());
  }

  void init() {
    form_ = std::make_unique<TMainForm>();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    boxes_ = std::make_unique<MessageBoxWatcher>();
  }

  void cleanup() {
    boxes_.reset();
    form_.reset();
  }

  void exitChecksAtTheirBounds_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");
    QTest::newRow("age 16") << "Age" << "16" << "Age is outside this application's range!";
    QTest::newRow("age 17") << "Age" << "17" << "";
    QTest::newRow("age untouched") << "Age" << "" << "Age cannot be blank!";
    QTest::newRow("height 50.00") << "Height" << "5000" << "Height is outside this application's range!";
    QTest::newRow("height 50.25") << "Height" << "5025" << "";
    QTest::newRow("weight 000") << "Weight" << "000" << "Weight is a required Field!";
    QTest::newRow("weight untouched") << "Weight" << "" << "Weight is a required Field!";
  }

  void exitChecksAtTheirBounds() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    auto* edit = Form().findChild<TMaskedEdit*>(field);
    edit->setFocus();
    if (!keys.isEmpty()) Type(edit, keys);
    Form().Name->setFocus();

    if (message.isEmpty()) {
      QVERIFY(boxes_->boxes().isEmpty());
      QCOMPARE(Form().focusWidget(), Form().Name);
    } else {
      QCOMPARE(Messages(), QStringList{message});
      QCOMPARE(boxes_->boxes()[0].title, QStringLiteral("Corvane 32"));
      QCOMPARE(boxes_->boxes()[0].icon, QMessageBox::NoIcon);
      QCOMPARE(Form().focusWidget(), edit);
    }
  }

  void screenButtonShowsTheVerdictOrKeepsIt() {
    EnterSoldier(QStringLiteral("150"), QStringLiteral("70.00"));
    Form().ScreenButton->click();
    QCOMPARE(Form().Screening->text(), QStringLiteral("Soldier is within standards"));
    Form().Weight->SetFieldText(QStringLiteral("151"));
    Form().ScreenButton->click();
    QCOMPARE(Form().Screening->text(), QStringLiteral("Soldier is NOT within standards"));
    QVERIFY(boxes_->boxes().isEmpty());

    Form().Age->SetFieldText(QString());
    Form().ScreenButton->click();
    QCOMPARE(Messages(), QStringList{QStringLiteral("Age is a required Field!")});
    QCOMPARE(Form().focusWidget(), Form().Age);
    QCOMPARE(Form().Screening->text(), QStringLiteral("Soldier is NOT within standards"));
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
  }

  void aHeightOutsideTheScreeningTableKeepsTheDataPage() {
    EnterSoldier(QStringLiteral("150"), QStringLiteral("90.00"));
    Form().Next->click();
    QCOMPARE(boxes_->count(), 1);
    QVERIFY2(boxes_->lastText().contains(QStringLiteral("90")), qPrintable(boxes_->lastText()));
    QCOMPARE(Form().Screening->text(), QStringLiteral("Height not in screening table"));
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    QCOMPARE(Form().focusWidget(), Form().Height);
  }

  void maleRoundTrip() {
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    QVERIFY(Form().Next->isEnabled() && !Form().Previous->isEnabled());

    EnterSoldier(QStringLiteral("200"), QStringLiteral("70.00"));
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QVERIFY(Form().Next->isEnabled() && Form().Previous->isEnabled());
    QCOMPARE(Form().Screening->text(), QString());

    EnterMan(QStringLiteral("35.00"));
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QVERIFY(!Form().Next->isEnabled() && Form().Previous->isEnabled());
    QCOMPARE(Form().FinalResults->text(), QStringLiteral("Soldier is NOT within Standards"));

    Form().Previous->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QVERIFY(Form().Next->isEnabled() && Form().Previous->isEnabled());
    QCOMPARE(Form().Waist2->FieldText(), QStringLiteral("35.00"));
    QCOMPARE(Form().FinalResults->text(), QStringLiteral("Soldier is NOT within Standards"));
    Form().Waist1->SetFieldText(QStringLiteral("36.00"));
    Form().Waist2->SetFieldText(QStringLiteral("36.00"));
    Form().Waist3->SetFieldText(QStringLiteral("36.00"));
    Form().Next->click();
    QCOMPARE(Form().FinalResults->text(), QStringLiteral("Soldier is within Standards"));

    Form().Previous->click();
    Form().Previous->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    QVERIFY(Form().Next->isEnabled() && !Form().Previous->isEnabled());
    QCOMPARE(Form().Weight->FieldText(), QStringLiteral("200"));
    QCOMPARE(Form().Screening->text(), QString());
    QVERIFY(boxes_->boxes().isEmpty());
  }

  void switchingSexKeepsBothPagesFields() {
    EnterSoldier(QStringLiteral(" 95"), QStringLiteral("65.00"));
    Form().Next->click();
    EnterMan(QStringLiteral("36.00"));
    Form().Previous->click();

    Form().SexFemale->setChecked(true);
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().FemalePanel});
    EnterWoman();
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QCOMPARE(ResultTexts(), (QStringList{QStringLiteral("Soldier is within Standards"), QStringLiteral("140"),
                                         QStringLiteral("95"), QStringLiteral("30.00"), QStringLiteral("30.00")}));
    Form().Previous->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().FemalePanel});

    Form().Previous->click();
    Form().SexMale->setChecked(true);
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(Form().Waist3->FieldText(), QStringLiteral("36.00"));
    QCOMPARE(Form().Hips1->FieldText(), QStringLiteral("40.00"));
  }

  void aFailedCollectStaysOnTheDataPage() {
    Form().Next->click();
    QCOMPARE(Messages(), QStringList{QStringLiteral("Age is a required Field!")});
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    QVERIFY(Form().Next->isEnabled() && !Form().Previous->isEnabled());
  }

  void quitClosesTheWindow() {
    QSignalSpy closed(form_.get(), &TMainForm::Closed);
    Form().Quit->click();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!Form().isVisible());
  }

  void tabRunsThroughTheDataPageThenQuit() {
    EnterSoldier(QStringLiteral("150"), QStringLiteral("70.00"));
    QTest::keyClicks(Form().Rank, QStringLiteral("spcx"));
    QCOMPARE(Form().Rank->text(), QStringLiteral("SPC"));
    Form().Name->setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 9; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, (QList<QWidget*>{Form().Rank, Form().SSANumber, Form().Age, Form().Weight, Form().Height,
                                       Form().SexMale, Form().ScreenButton, Form().Quit, Form().Name}));
    QVERIFY(boxes_->boxes().isEmpty());
  }

  // The field that held the focus loses it with its page; Tab then starts at the first
  // field of the page shown. A control outside the pages keeps the focus.
  void afterAPageChangeNoControlHasTheFocus() {
    QCOMPARE(Form().focusWidget(), Form().Name);
    EnterSoldier(QStringLiteral("150"), QStringLiteral("70.00"));
    Form().Next->click();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(form_.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Form().MNeck1);

    EnterMan(QStringLiteral("36.00"));
    Form().Next->click();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(form_.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Form().PrintButton);
    QTest::keyClick(Form().PrintButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Form().Quit);
    Form().Previous->click();
    QCOMPARE(QApplication::focusWidget(), Form().Quit);

    Form().Waist2->setFocus();
    Form().Previous->click();
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(form_.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Form().Name);
  }

  void anAgeRefusedOnLeavingKeepsTheDataPage() {
    EnterSoldier(QStringLiteral("150"), QStringLiteral("70.00"));
    Type(Form().Age, QStringLiteral("10"));
    Form().Next->click();

    QCOMPARE(Messages(), QStringList{QStringLiteral("Age is outside this application's range!")});
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    QVERIFY(Form().Next->isEnabled() && !Form().Previous->isEnabled());
    QCOMPARE(Form().focusWidget(), Form().Age);
    QCOMPARE(SoldierData.Age, 10);
  }

  void maleResults_data() {
    QTest::addColumn<QString>("waist");
    QTest::addColumn<QStringList>("texts");
    const QString notWithin = QStringLiteral("Soldier is NOT within Standards");
    const QString within = QStringLiteral("Soldier is within Standards");
    QTest::newRow("26.004 against 26") << "35.00" << QStringList{notWithin, "150", "200", "26.00", "26.00"};
    QTest::newRow("exactly 26") << "36.00" << QStringList{within, "150", "200", "26.00", "26.00"};
    QTest::newRow("negative body fat") << "37.00" << QStringList{within, "150", "200", "26.00", "-3.50"};
  }

  // The soldier weighs 200 lb against a screening weight of 150: the verdict rests on
  // body fat alone.
  void maleResults() {
    QFETCH(QString, waist);
    QFETCH(QStringList, texts);
    EvaluateMan(waist);
    QCOMPARE(ResultTexts(), texts);
    QVERIFY(boxes_->boxes().isEmpty());
  }

  void anUnreadableMeasurementChangesNoResult() {
    EvaluateMan(QStringLiteral("36.00"));
    Form().Previous->click();
    const QStringList before = ResultTexts();

    Form().MNeck1->SetFieldText(QStringLiteral("1 .50"));
    Form().Waist1->SetFieldText(QStringLiteral("35.00"));
    Form().Waist3->SetFieldText(QStringLiteral("3 .00"));
    Form().Next->click();

    QCOMPARE(Messages(), QStringList{QStringLiteral("This is a required Field!")});
    QCOMPARE(Form().focusWidget(), Form().MNeck1);
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(ResultTexts(), before);
  }

  void aMeasurementOutsideItsTableChangesNoResult() {
    EvaluateMan(QStringLiteral("36.00"));
    Form().Previous->click();
    const QStringList before = ResultTexts();

    EnterMan(QStringLiteral("17.00"));
    Form().Next->click();

    QCOMPARE(boxes_->count(), 1);
    QVERIFY2(boxes_->lastText().contains(QStringLiteral("2.00")), qPrintable(boxes_->lastText()));
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(ResultTexts(), before);
  }

  // Untouched fields read as 0, and so does a typed 0: either is refused like an unreadable
  // field, before any result is computed from it.
  void aForgottenOrZeroMeasurementIsRequired_data() {
    QTest::addColumn<bool>("female");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("text");
    QTest::newRow("only the first set typed") << false << QStringList{"MNeck2", "MNeck3", "Waist2", "Waist3"} << "  .  ";
    QTest::newRow("an abdomen of 0") << false << QStringList{"Waist3"} << "00.00";
    QTest::newRow("a wrist forgotten") << true << QStringList{"Wrist2"} << "  .  ";
  }

  void aForgottenOrZeroMeasurementIsRequired() {
    QFETCH(bool, female);
    QFETCH(QStringList, fields);
    QFETCH(QString, text);
    EnterSoldier(female ? QStringLiteral(" 95") : QStringLiteral("200"), female ? QStringLiteral("65.00") : QStringLiteral("70.00"), female);
    Form().Next->click();
    female ? EnterWoman() : EnterMan(QStringLiteral("36.00"));
    Form().Next->click();
    Form().Previous->click();
    const QStringList before = ResultTexts();
    const double bodyFat = SoldierData.BodyFat;

    for (const QString& name : fields) Form().findChild<TMaskedEdit*>(name)->SetFieldText(text);
    Form().Next->click();

    QCOMPARE(Messages(), QStringList{QStringLiteral("This is a required Field!")});
    QCOMPARE(Form().focusWidget(), Form().findChild<TMaskedEdit*>(fields.first()));
    QCOMPARE(VisiblePages(), QList<QWidget*>{female ? Form().FemalePanel : Form().MalePanel});
    QCOMPARE(ResultTexts(), before);
    QCOMPARE(SoldierData.BodyFat, bodyFat);
  }

  // Upper-casing "ß" gives "SS": the caret stays after what was typed.
  void lettersThatGrowInUpperCaseKeepTheCaretAfterThem() {
    // Key by key, as a keyboard delivers them (QTest's own typing knows only ASCII).
    const auto type = [](QWidget* field, const QString& text) {
      field->setFocus();
      for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    };
    type(Form().Name, QStringLiteral("straße müller"));
    QCOMPARE(Form().Name->text(), QStringLiteral("STRASSE MÜLLER"));
    QCOMPARE(Form().Name->cursorPosition(), 14);
    type(Form().Rank, QStringLiteral("ßa"));
    QCOMPARE(Form().Rank->text(), QStringLiteral("SSA"));
  }

  // A desktop theme may put accelerators into the buttons' texts.
  void theSexIsTheSelectedItemNotItsButtonText() {
    Form().SexMale->setText(QStringLiteral("&Male"));
    Form().SexFemale->setText(QStringLiteral("&Female"));
    EnterSoldier(QStringLiteral(" 95"), QStringLiteral("65.00"), true);
    QCOMPARE(Form().SelectedSex(), QStringLiteral("Female"));
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().FemalePanel});
    Form().Previous->click();
    Form().SexMale->setChecked(true);
    QCOMPARE(Form().SelectedSex(), QStringLiteral("Male"));
  }

  void enterPressesTheFocusedPushButton() {
    EnterSoldier(QStringLiteral("150"), QStringLiteral("70.00"));
    Form().ScreenButton->setFocus();
    QTest::keyClick(Form().ScreenButton, Qt::Key_Return);
    QCOMPARE(Form().Screening->text(), QStringLiteral("Soldier is within standards"));

    QSignalSpy closed(form_.get(), &TMainForm::Closed);
    Form().Quit->setFocus();
    QTest::keyClick(Form().Quit, Qt::Key_Enter);
    QCOMPARE(closed.count(), 1);
  }

  // Without a window manager nothing makes the main window active again once a message box
  // has gone; the keys typed next must still reach the field that has the focus.
  // The operator tabs through Age without typing; the value typed after the box replaces
  // what the field held.
  void keysReachTheFieldAfterAMessageBox() {
    Form().SSANumber->setFocus();
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab}) QTest::keyClick(form_->windowHandle(), key);
    QCOMPARE(Messages(), QStringList{QStringLiteral("Age cannot be blank!")});
    QTRY_COMPARE(QApplication::activeWindow(), form_.get());
    QTRY_VERIFY(Form().Age->hasFocus());
    for (Qt::Key key : {Qt::Key_4, Qt::Key_2}) QTest::keyClick(form_->windowHandle(), key);
    QCOMPARE(Form().Age->FieldText(), QStringLiteral("42"));
  }

  // Every edge of the sunken result frame and of a page's raised outer bevel stands out
  // from the panel's colour, and the shaded side is the darker one.
  void bevelsShowOnAllFourSides() {
    const auto gray = [](const QImage& image, int x, int y) { return qGray(image.pixel(x, y)); };
    const auto visible = [](int edge, int fill) { return std::abs(edge - fill) >= 24; };
    struct Frame {
      TBevelPanel* panel;
      bool sunken;
    };
    for (const Frame& frame : {Frame{Form().ResultsPanel->findChild<TBevelPanel*>(QStringLiteral("Result")), true},
                               Frame{Form().MainPanel, false}}) {
      const QImage image = frame.panel->grab().toImage();
      const int w = image.width();
      const int h = image.height();
      const int fill = qGray(frame.panel->palette().color(QPalette::Button).rgb());
      const int top = gray(image, w / 2, 0);
      const int left = gray(image, 0, h / 2);
      const int bottom = gray(image, w / 2, h - 1);
      const int right = gray(image, w - 1, h / 2);
      const QString where = QStringLiteral("%1: fill %2, top %3, left %4, bottom %5, right %6")
                                .arg(frame.panel->objectName()).arg(fill).arg(top).arg(left).arg(bottom).arg(right);
      QVERIFY2(visible(top, fill) && visible(left, fill) && visible(bottom, fill) && visible(right, fill),
               qPrintable(where));
      QVERIFY2(frame.sunken ? top < bottom && left < right : top > bottom && left > right, qPrintable(where));
    }
  }

  void pictureButtonsShowTheirWindows() {
    MaleNeck = new TMaleNeck;
    MaleAbdomen = new TMaleAbdomen;
    FemHips = new TFemHips;
    FemWrist = new TFemWrist;
    FemArm = new TFemArm;
    Navel = new TNavel;
    const std::pair<QPushButton*, QWidget*> buttons[] = {
        {Form().MaleNeckPic, MaleNeck}, {Form().MaleWaistPic, MaleAbdomen}, {Form().Hips, FemHips},
        {Form().Forearm, FemArm},       {Form().FNeck, MaleNeck},           {Form().Wrist, FemWrist},
        {Form().NavelPic, Navel}};
    const QList<QWidget*> pictures = {MaleNeck, MaleAbdomen, FemHips, FemWrist, FemArm, Navel};
    for (const auto& [button, window] : buttons) {
      for (QWidget* picture : pictures) picture->hide();
      button->click();
      for (QWidget* picture : pictures) QCOMPARE(picture->isVisible(), picture == window);
    }
    QCOMPARE(Navel->windowTitle(), "Navel");
    qDeleteAll(pictures);
    MaleNeck = nullptr;
    MaleAbdomen = nullptr;
    FemHips = nullptr;
    FemWrist = nullptr;
    FemArm = nullptr;
    Navel = nullptr;
  }

  void theMultiSiteMethodIsTheDefault() {
    QCOMPARE(Form().Method(), TapeMethod::MultiSite);
    QVERIFY(Form().MultiSiteAction->isChecked() && !Form().OneSiteAction->isChecked());
    QCOMPARE(Form().MultiSiteAction->text(), QStringLiteral("M&ulti-site tape (DA Form 5500-ER / 5501-ER)"));
    // The pages keep their frame below the menu bar.
    QCOMPARE(Form().MainPanel->parentWidget()->size(), QSize(295, 222));
    QCOMPARE(Form().size(), QSize(295, 222 + Form().MainPanel->parentWidget()->y()));
  }

  void switchingMethodsKeepsEveryValue() {
    QSignalSpy changes(form_.get(), &TMainForm::MethodChanged);
    Form().Name->setText(QStringLiteral("DOE, JOHN"));
    EnterSoldier(QStringLiteral("200"), QStringLiteral("70.00"));
    Form().OneSiteAction->trigger();  // on the data page: it stays
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    Form().MultiSiteAction->trigger();
    Form().Next->click();
    for (TMaskedEdit* field : {Form().MNeck1, Form().Waist1}) field->SetFieldText(QStringLiteral("36.00"));
    EnterAbdomen({QStringLiteral("38.50")});

    Form().OneSiteAction->trigger();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().OneSitePanel});
    QVERIFY(Form().Next->isEnabled() && Form().Previous->isEnabled());
    Form().MultiSiteAction->trigger();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(changes.count(), 4);

    Form().Previous->click();
    QCOMPARE(Form().Name->text(), QStringLiteral("DOE, JOHN"));
    QCOMPARE(Form().Weight->FieldText(), QStringLiteral("200"));
    QCOMPARE(Form().Waist1->FieldText(), QStringLiteral("36.00"));
    QCOMPARE(Form().MNeck1->FieldText(), QStringLiteral("36.00"));
    QCOMPARE(Form().Abdomen1->FieldText(), QStringLiteral("38.50"));
    QVERIFY(boxes_->boxes().isEmpty());
  }

  // One-site: a man of 200 lb, -26.97 - 24 + 1.99 x 38.5 = 25.645, 26 against a maximum of 26.
  void theFourthMeasurementAndTheResults() {
    Form().OneSiteAction->trigger();
    EnterSoldier(QStringLiteral("200"), QStringLiteral("70.00"));
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().OneSitePanel});
    QGroupBox* abdomen = Form().OneSitePanel->findChild<QGroupBox*>();
    QCOMPARE(abdomen->title(), QStringLiteral("Abdomen at the navel (male)"));
    Form().SexFemale->setChecked(true);  // the page names the sex the data page has selected
    QCOMPARE(abdomen->title(), QStringLiteral("Abdomen at the navel (female)"));
    Form().SexMale->setChecked(true);

    Form().Next->click();  // untouched
    QCOMPARE(Messages(), QStringList{QStringLiteral("This is a required Field!")});
    QCOMPARE(Form().focusWidget(), Form().Abdomen1);

    EnterAbdomen({QStringLiteral("38.50"), QStringLiteral("39.50"), QStringLiteral("38.50")});  // 1.00 apart
    QVERIFY(!Form().Abdomen4->isEnabled());
    Form().Abdomen2->SetFieldText(QStringLiteral("39.75"));  // 1.25 apart as typed
    QVERIFY(Form().Abdomen4->isEnabled());
    QVERIFY(Form().OneSiteNote->text().contains(QStringLiteral("more than one inch apart")));
    Form().Next->click();
    QCOMPARE(Messages().size(), 2);
    QCOMPARE(Form().focusWidget(), Form().Abdomen4);

    EnterAbdomen({QStringLiteral("38.50"), QStringLiteral("40.00"), QStringLiteral("38.50"), QStringLiteral("38.50")});
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QCOMPARE(ResultTexts(), (QStringList{QStringLiteral("Soldier is within Standards"), QStringLiteral("150"),
                                         QStringLiteral("200"), QStringLiteral("26"), QStringLiteral("26")}));

    // Back, closer together: the fourth is no longer asked for, and 39.5 gives 27.635.
    Form().Previous->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().OneSitePanel});
    EnterAbdomen({QStringLiteral("39.50"), QStringLiteral("39.50"), QStringLiteral("39.50")});
    QVERIFY(!Form().Abdomen4->isEnabled());
    Form().Next->click();
    QCOMPARE(ResultTexts().first(), QStringLiteral("Soldier is NOT within Standards"));
    QCOMPARE(Form().ActualBFC->text(), QStringLiteral("28"));

    // The results of one method give way to the other's measurement page.
    Form().MultiSiteAction->trigger();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(Messages().size(), 2);
  }

  // The results page of the one-site method names it, so that a screenshot or a printout
  // of the screen tells the two methods' results apart; the multi-site page names none.
  // The name stands clear of the page's other texts, within the page.
  void theOneSiteResultsPageNamesItsMethod() {
    const QString name = QStringLiteral("One-site tape method");
    const auto shownTexts = [this] {
      QStringList texts;
      for (const QLabel* label : Form().ResultsPanel->findChildren<QLabel*>())
        if (label->isVisible()) texts << label->text();
      return texts;
    };
    EvaluateMan(QStringLiteral("36.00"));
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QVERIFY2(!shownTexts().join(u'|').contains(QStringLiteral("One-site"), Qt::CaseInsensitive),
             qPrintable(shownTexts().join(u'|')));

    Form().OneSiteAction->trigger();
    EnterAbdomen({"38.50", "38.50", "38.50"});
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QVERIFY2(shownTexts().contains(name), qPrintable(shownTexts().join(u'|')));
    const QLabel* method = nullptr;
    for (const QLabel* label : Form().ResultsPanel->findChildren<QLabel*>())
      if (label->isVisible() && label->text() == name) method = label;
    QVERIFY(Form().ResultsPanel->rect().contains(method->geometry()));
    for (const QWidget* other : Form().ResultsPanel->findChildren<QWidget*>())
      if (other != method && other->isVisible() && other->parentWidget() == Form().ResultsPanel)
        QVERIFY2(!other->geometry().intersects(method->geometry()), qPrintable(other->objectName()));

    // Back to the multi-site method and its results: the name goes.
    Form().MultiSiteAction->trigger();
    EnterMan(QStringLiteral("36.00"));
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QVERIFY(!shownTexts().contains(name));
  }

  // An exempt soldier is not taped: the wizard goes from the data page to the results,
  // which state the exemption in place of the body fat. Over the screening weight the
  // soldier is exempt, under it within standards; a guard soldier's test still exempts on
  // its last valid day.
  void anExemptSoldierSkipsTheTape_data() {
    QTest::addColumn<PolicyEntry>("policy");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<FinalVerdict>("verdict");
    QTest::addColumn<QString>("verdictText");
    QTest::addColumn<QString>("validUntil");
    QTest::newRow("over the screening weight") << TestedPolicy() << "200" << FinalVerdict::Exempt << "Soldier is Exempt"
                                               << "2026-11-02";
    QTest::newRow("under it") << TestedPolicy() << "140" << FinalVerdict::Within << "Soldier is within Standards"
                              << "2026-11-02";
    QTest::newRow("guard, the last valid day") << TestedPolicy(97, Day(2027, 3, 2), Component::Guard) << "200"
                                               << FinalVerdict::Exempt << "Soldier is Exempt" << "2027-03-02";
  }
  void anExemptSoldierSkipsTheTape() {
    QFETCH(PolicyEntry, policy);
    QFETCH(QString, weight);
    QFETCH(FinalVerdict, verdict);
    QFETCH(QString, verdictText);
    QFETCH(QString, validUntil);
    Form().SetPolicy(policy);
    EnterSoldier(weight, "70.00");
    Form().Next->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QVERIFY(!Form().Next->isEnabled() && Form().Previous->isEnabled());
    const QString sentence =
        QStringLiteral("Exempt from the body fat standard (fitness test 485 on 2026-03-02, valid until %1)").arg(validUntil);
    QCOMPARE(ShownResultTexts(),
             (QStringList{verdictText, "Maximum weight:", "Actual weight:", "150", weight, "lbs.", "lbs.", sentence}));
    CheckResultsPageLayout();
    QVERIFY(Messages().isEmpty());
    QCOMPARE(Form().HeldAssessment()->Verdict(), verdict);
    QVERIFY(!Form().SupplementalAction->isEnabled());

    // The results came from the data page, and go back to it.
    Form().Previous->click();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MainPanel});
    // Another method keeps the results, for its own worksheet.
    Form().Next->click();
    Form().OneSiteAction->trigger();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().ResultsPanel});
    QCOMPARE(Form().HeldAssessment()->method, TapeMethod::OneSite);
    QVERIFY(!Form().ResultsMethod->isVisible());
    QVERIFY(Form().ResultsNote->isVisible());
  }

  // Then a soldier without a test is taped again, and the page shows the body fat rows.
  void theBodyFatRowsComeBackAfterAnExemptSoldier() {
    Form().SetPolicy(TestedPolicy());
    LeaveDataPage();
    Form().Previous->click();
    Form().SetPolicy({Day(2026, 4, 1), Component::Regular, std::nullopt});
    Form().Next->click();
    EnterMan(QStringLiteral("36.00"));
    Form().Next->click();
    QCOMPARE(ResultTexts(), (QStringList{"Soldier is within Standards", "150", "200", "26.00", "26.00"}));
    QVERIFY(Form().ActualBFC->isVisible() && !Form().ResultsNote->isVisible());
    QVERIFY(Messages().isEmpty());
  }

  void aTestThatDoesNotExemptSaysWhyAndTheTapeGoesOn_data() {
    QTest::addColumn<PolicyEntry>("policy");
    QTest::addColumn<QString>("why");
    QTest::newRow("plank 79") << TestedPolicy(79) << "the plank scored 79 points, under 80";
    QTest::newRow("total 464") << TestedPolicy(80, Day(2026, 4, 1), Component::Regular, {100, 100, 100, 84})
                               << "the fitness test scored 464 points in total, under 465";
    QTest::newRow("a day too old") << TestedPolicy(97, Day(2026, 11, 3))
                                   << "the fitness test of 2026-03-02 was valid until 2026-11-02";
    QTest::newRow("guard, a day too old") << TestedPolicy(97, Day(2027, 3, 3), Component::Guard)
                                          << "the fitness test of 2026-03-02 was valid until 2027-03-02";
  }
  void aTestThatDoesNotExemptSaysWhyAndTheTapeGoesOn() {
    QFETCH(PolicyEntry, policy);
    QFETCH(QString, why);
    Form().SetPolicy(policy);
    LeaveDataPage();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(Messages(),
             QStringList{QStringLiteral("No exemption: ") + why + ". The tape measurement is taken as usual."});
    EnterMan(QStringLiteral("35.00"));
    Form().Next->click();
    QCOMPARE(Form().FinalResults->text(), "Soldier is NOT within Standards");
    QVERIFY(!Form().HeldAssessment()->Exempt());
  }

  // A test belongs to the soldier it was given for: the next soldier is taped.
  void aTestGivenForAnotherSoldierIsLeftOut() {
    Form().Name->setText(QStringLiteral("DOE, JOHN"));
    Form().SetPolicy(TestedPolicy());
    Form().Name->setText(QStringLiteral("ROE, RICHARD"));
    LeaveDataPage();
    QCOMPARE(VisiblePages(), QList<QWidget*>{Form().MalePanel});
    QCOMPARE(Messages().size(), 1);
    QVERIFY2(Messages().first().startsWith(QStringLiteral("The fitness test was given for DOE, JOHN, not for this soldier")),
             qPrintable(Messages().first()));
    QCOMPARE(Form().Policy().test, std::nullopt);
  }

  // A supplemental result decides against the same maximum: 26.0 of 26 is within, 26.1 is
  // not. The page keeps the tape's numbers and names both verdicts.
  void aSupplementalResultDecides_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("line");
    QTest::newRow("26.0") << 260 << "Soldier is within Standards" << "Tape: NOT within; DXA 26.0 %: within";
    QTest::newRow("26.1") << 261 << "Soldier is NOT within Standards" << "Tape: NOT within; DXA 26.1 %: NOT within";
  }
  void aSupplementalResultDecides() {
    QFETCH(int, tenths);
    QFETCH(QString, verdict);
    QFETCH(QString, line);
    EvaluateMan(QStringLiteral("35.00"));
    QVERIFY(Form().SupplementalAction->isEnabled());
    QVERIFY(Form().SetSupplemental({SupplementalMethod::Dxa, tenths, Day(2026, 4, 2)}));
    QCOMPARE(ResultTexts(), (QStringList{verdict, "150", "200", "26.00", "26.00"}));
    QCOMPARE(Form().ResultsMethod->text(), line);
    QVERIFY(Form().ResultsMethod->isVisible());
    CheckResultsPageLayout();
    // A new tape result leaves the supplemental one behind.
    Form().Previous->click();
    Form().Next->click();
    QCOMPARE(Form().FinalResults->text(), "Soldier is NOT within Standards");
    QVERIFY(!Form().ResultsMethod->isVisible());
  }

  void aOneSiteSupplementalResultNamesTheMethod() {
    Form().OneSiteAction->trigger();
    LeaveDataPage();
    EnterAbdomen({"40.00", "40.00", "40.00"});
    Form().Next->click();
    QCOMPARE(Form().FinalResults->text(), "Soldier is NOT within Standards");
    QVERIFY(Form().SetSupplemental({SupplementalMethod::Bia, 199, Day(2026, 4, 2)}));
    QCOMPARE(Form().ResultsMethod->text(), "One-site tape: NOT within; BIA 19.9 %: within");
    CheckResultsPageLayout();
  }

  void aSupplementalResultOnlyForASoldierNotWithinByTheTape() {
    const SupplementalResult result{SupplementalMethod::Adp, 100, Day(2026, 4, 2)};
    QVERIFY(!Form().SupplementalAction->isEnabled());
    QVERIFY(!Form().SetSupplemental(result));  // the data page
    EvaluateMan(QStringLiteral("36.00"));
    QVERIFY(!Form().SupplementalAction->isEnabled());
    QVERIFY(!Form().SetSupplemental(result));
    QCOMPARE(Form().HeldAssessment()->supplemental, std::nullopt);
  }

  void theAssessmentDialogShowsTheTotalAndTheDecision() {
    TAssessmentDialog dialog(TestedPolicy(), &Form());
    QCOMPARE(dialog.AssessmentDate->text(), "2026-04-01");
    QCOMPARE(dialog.Total->text(), "485 points");
    QVERIFY(dialog.Decision->text().startsWith(QStringLiteral("Exempt from the body fat standard")));
    dialog.EventPoints[static_cast<std::size_t>(AftEvent::Plank)]->setValue(79);
    QCOMPARE(dialog.Total->text(), "467 points");
    QCOMPARE(dialog.Decision->text(), "No exemption: the plank scored 79 points, under 80.");
    dialog.ComponentChoice->setCurrentIndex(2);
    const PolicyEntry entry = dialog.Entry();
    QCOMPARE(entry.component, Component::Guard);
    QCOMPARE(entry.date, Day(2026, 4, 1));
    QCOMPARE(entry.test->date, Day(2026, 3, 2));
    QCOMPARE(entry.test->points, (std::array<int32_t, 5>{100, 100, 100, 79, 88}));
    dialog.TestGroup->setChecked(false);
    QCOMPARE(dialog.Entry().test, std::nullopt);
    QCOMPARE(dialog.Decision->text(), "No fitness test: the tape is taken as usual.");
  }

  void theSupplementalDialogTakesABodyFatOfOneDecimal() {
    TSupplementalDialog dialog(std::nullopt, Day(2026, 4, 1), &Form());
    QPushButton* ok = dialog.Buttons->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    QTest::keyClicks(dialog.BodyFat, "23.45");
    QCOMPARE(dialog.BodyFat->text(), "23.4");  // no second decimal
    QVERIFY(ok->isEnabled());
    dialog.MethodChoice->setCurrentIndex(2);
    const SupplementalResult result = dialog.Result().value();
    QCOMPARE(result.method, SupplementalMethod::Adp);
    QCOMPARE(result.bodyFatTenths, 234);
    QCOMPARE(result.date, Day(2026, 4, 1));
    for (const char* text : {"0", "0.0", ".", ""}) {
      dialog.BodyFat->setText(QLatin1String(text));
      QVERIFY2(!ok->isEnabled(), text);
      QCOMPARE(dialog.Result(), std::nullopt);
    }
  }

  // The menu's dialog is modal; here a timer answers it as an operator would.
  void theMenuOpensTheDialogAndTakesWhatItGives() {
    QTimer::singleShot(50, [] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<TAssessmentDialog*>(window); dialog && dialog->isVisible()) {
          dialog->AssessmentDate->setDate(QDate(2026, 5, 6));
          dialog->TestGroup->setChecked(true);
          dialog->accept();
        }
    });
    Form().PolicyAction->trigger();
    const PolicyEntry policy = Form().Policy();
    QCOMPARE(policy.date, Day(2026, 5, 6));
    QVERIFY(policy.test.has_value());
  }
};

int RunWizardTests(int argc, char** argv) {
  WizardTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WizardTest.moc"
