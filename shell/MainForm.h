#pragma once
// The main window: a wizard of pages lying on top of one another (the soldier data page,
// the measurement pages and the results page) with the button bar Previous / Quit / Next
// below them and, above, a menu bar whose Method menu chooses the tape method: the
// multi-site method measures on the male or the female page, the one-site method on the
// one-site page. Its Assessment menu takes the date of the assessment, the component and
// the fitness test, by which a soldier may be exempt from the tape, and a supplemental
// body-fat result for a soldier the tape finds not within standards. Its Records menu keeps
// the assessment on the results page in the store of assessment records and opens the
// History window; a worksheet printed or saved from Print Form's preview is recorded too.

#include "entry/Assessment.h"
#include "entry/DataPageRules.h"
#include "standards/Calculate.h"
#include "standards/TapeMethod.h"

#include <QWidget>

#include <optional>
#include <span>
#include <vector>

class AssessmentRecorder;
class QAction;
class QGroupBox;
class TWorksheetForm;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QToolButton;
class TBevelPanel;
class TMaskedEdit;

class TMainForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);

  // The data page into SoldierData, the wizard's current soldier, with the screening
  // verdict; false when a value cannot be used (its message has been shown and the focus
  // placed on its field).
  bool CollectMainPage();
  // The measurement page into SoldierData, the results page and the assessment it shows;
  // false as above.
  bool ShowMaleResults();
  bool ShowFemaleResults();
  bool ShowOneSiteResults();

  TapeMethod Method() const { return method_; }
  // Takes the method. A measurement or results page gives way to the measurement page of
  // the new method; every field keeps its value.
  void SetMethod(TapeMethod method);

  // The date, component and fitness test for the soldiers assessed from now on: the date
  // chosen, or today's. The fitness test belongs to the soldier whose name the data page
  // showed when it was given (or, given without a name, to the next soldier collected).
  PolicyEntry Policy() const;
  // Takes what the Assessment dialog gives. It applies from the next collection of the data
  // page: a measurement or results page gives way to the data page.
  void SetPolicy(const PolicyEntry& entry);
  // Takes a supplemental result for the soldier on the results page, whom the tape found not
  // within standards, and shows the verdict it gives; false (nothing taken) for any other
  // soldier or page.
  bool SetSupplemental(const SupplementalResult& result);
  // The assessment the results page shows; none before the first.
  const std::optional<Assessment>& HeldAssessment() const { return assessment_; }

  // The item strings of SexGroup. The wizard compares these, never a button's text, which
  // a desktop theme may change (by adding keyboard accelerators to it).
  static inline const QString MaleItem = SexItem(Sex::Male);
  static inline const QString FemaleItem = SexItem(Sex::Female);
  // The selected item of SexGroup: MaleItem or FemaleItem.
  QString SelectedSex() const;

  // The menu bar and its Method menu's two exclusive choices.
  QMenuBar* MenuBar;
  QAction* OneSiteAction;
  QAction* MultiSiteAction;
  // The Assessment menu: the dialog of the date, component and fitness test, and that of the
  // supplemental result (enabled on the results page of a soldier not within by the tape).
  QAction* PolicyAction;
  QAction* SupplementalAction;
  // The Records menu: keep the assessment of the results page (enabled while it shows one),
  // and the History window.
  QAction* SaveAssessmentAction;
  QAction* HistoryAction;

  // Where assessments are recorded; none (a main window made without start-up): nothing is.
  void SetRecorder(AssessmentRecorder* recorder) { recorder_ = recorder; }

  // Pages and button bar.
  TBevelPanel* MainPanel;
  TBevelPanel* MalePanel;
  TBevelPanel* FemalePanel;
  TBevelPanel* OneSitePanel;
  TBevelPanel* ResultsPanel;
  TBevelPanel* ButtonPanel;
  QToolButton* Previous;
  QPushButton* Quit;
  QToolButton* Next;

  // Soldier data page.
  QLineEdit* Name;
  QLineEdit* Rank;
  TMaskedEdit* SSANumber;
  TMaskedEdit* Age;
  TMaskedEdit* Weight;
  TMaskedEdit* Height;
  QGroupBox* SexGroup;
  QRadioButton* SexMale;
  QRadioButton* SexFemale;
  QPushButton* ScreenButton;
  QLabel* Screening;

  // Male measurement page.
  TMaskedEdit* MNeck1;
  TMaskedEdit* MNeck2;
  TMaskedEdit* MNeck3;
  TMaskedEdit* Waist1;
  TMaskedEdit* Waist2;
  TMaskedEdit* Waist3;
  QPushButton* MaleNeckPic;
  QPushButton* MaleWaistPic;

  // Female measurement page.
  TMaskedEdit* Hips1;
  TMaskedEdit* Hips2;
  TMaskedEdit* Hips3;
  TMaskedEdit* Arm1;
  TMaskedEdit* Arm2;
  TMaskedEdit* Arm3;
  TMaskedEdit* FNeck1;
  TMaskedEdit* FNeck2;
  TMaskedEdit* FNeck3;
  TMaskedEdit* Wrist1;
  TMaskedEdit* Wrist2;
  TMaskedEdit* Wrist3;
  QPushButton* Hips;
  QPushButton* Forearm;
  QPushButton* FNeck;
  QPushButton* Wrist;

  // One-site measurement page: three measurements, a fourth asked for only when the first
  // three are more than an inch apart, with the reason in OneSiteNote.
  TMaskedEdit* Abdomen1;
  TMaskedEdit* Abdomen2;
  TMaskedEdit* Abdomen3;
  TMaskedEdit* Abdomen4;
  QLabel* OneSiteNote;
  QPushButton* NavelPic;

  // Results page.
  QLabel* FinalResults;
  QLabel* MaxWeightAllowed;
  QLabel* ActualWeight;
  QLabel* MaxBFCLabel;
  QLabel* ActualBFC;
  // Names the one-site method below the results it gave; hidden for the multi-site method.
  // With a supplemental result, the tape's verdict and the supplemental one.
  QLabel* ResultsMethod;
  // For an exempt soldier, who has no body fat rows, the exemption in their place.
  QLabel* ResultsNote;
  QPushButton* PrintButton;

 signals:
  // The main window has closed: the program ends.
  void Closed();
  // The operator chose the other method.
  void MethodChanged(TapeMethod method);

 public slots:
  void NextClick();
  void PreviousClick();
  void QuitClick();
  void ScreenButtonClick();
  void AgeExit();
  void WeightExit();
  void HeightExit();
  void MaleNeckPicClick();
  void MaleWaistPicClick();
  void HipsClick();
  void ForearmClick();
  void FNeckClick();
  void WristClick();
  void NavelPicClick();
  void PrintButtonClick();
  void PolicyActionClick();
  void SupplementalActionClick();
  void SaveAssessmentActionClick();
  void HistoryActionClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A measurement field and where its value goes, brought to the quarter inch.
  struct Measurement {
    TMaskedEdit* field;
    double* value;
  };

  void FormShow();
  void BuildFrame();
  void BuildButtonBar();
  void BuildMainPage();
  void BuildMalePage();
  void BuildFemalePage();
  void BuildOneSitePage();
  void BuildMethodMenu();
  void BuildAssessmentMenu();
  void BuildRecordsMenu();
  void BuildResultsPage();
  void SetTabOrder();
  void ConnectHandlers();

  TBevelPanel* VisiblePage() const;
  // Where the current method and sex take measurements.
  TBevelPanel* MeasurementPage() const;
  // Asks for the fourth one-site measurement, or not, by the first three as they read now.
  void UpdateFourthMeasurement();
  // Shows page, hides the others and sets the two arrows. The field being edited on
  // the page left behind finishes its editing first; when its exit check refuses the
  // value and keeps the focus, nothing changes and the result is false.
  bool ShowPage(TBevelPanel* page, bool nextEnabled, bool previousEnabled);

  // Shows the message and puts the focus back in the field, its text selected.
  void RefuseField(TMaskedEdit* field, const QString& message);
  // Reads the fields in order into SoldierData; stops at the first measurement refused
  // (unreadable, untouched or 0), with its message and the focus in that field.
  bool ReadMeasurements(std::span<const Measurement> fields);
  // Reports a value outside its table; true when there was one.
  bool RefuseOutOfTable(const std::optional<OutOfTable>& outside);
  // Fills the results page from SoldierData and returns whether the soldier is within
  // standards.
  bool ShowResults();
  // The results page's texts: the two body fats as given, the weights from SoldierData.
  void ShowResultTexts(const QString& maxBodyFat, const QString& bodyFat, bool within);
  void ShowWeights();
  // The verdict, the method line and the rows of the results page as the held assessment
  // reads: an exemption, a supplemental result, or the tape alone.
  void ShowAssessmentLines();
  // The results page of a soldier exempt from the tape, by the method chosen.
  void ShowExemptResults();
  // Takes the policy for the soldier on the data page and decides the exemption by its test.
  void DecideCollectedExemption();
  // The policy for the soldier on the data page: a fitness test entered for another
  // soldier is left out, with a message.
  PolicyEntry PolicyForSoldier();
  // The worksheet Print Form fills for the method and sex; null when start-up made none.
  TWorksheetForm* MethodWorksheet() const;
  // The data page's fields as they read now.
  DataPageTexts PageTexts() const;
  // Keeps the assessment in the store; a failure shows its message and gives false.
  bool RecordAssessment(const Assessment& assessment);
  // Holds the assessment of the soldier the results page shows: the data page, SoldierData
  // and the results, by the one-site method when there is a one-site result.
  // The policy entry collected with the data page applies to it.
  void HoldAssessment(TapeMethod method, bool within, const std::optional<OneSiteResult>& oneSite);

  TapeMethod method_ = TapeMethod::MultiSite;
  // The screening verdict of the data page as last collected.
  bool overScreening_ = false;
  // The assessment on the results page, which Print Form prints.
  std::optional<Assessment> assessment_;
  // What the Assessment dialog gave: the date (none: today), component, fitness test and the
  // name of the soldier the test is for.
  std::optional<CalendarDate> chosenDate_;
  Component component_ = Component::Regular;
  std::optional<FitnessTest> test_;
  QString testSoldier_;
  // The policy as the data page was last collected, with the decision on its test.
  PolicyEntry collected_;
  std::optional<ExemptionDecision> collectedExemption_;
  // The results page's body fat captions, values and units, hidden for an exempt soldier.
  std::vector<QWidget*> bodyFatRows_;
  AssessmentRecorder* recorder_ = nullptr;
};
