// The soldier data page: its controls, the checks made when the focus leaves a number
// field, and the collection of the page into SoldierData with the screening verdict.

#include "shell/MainForm.h"

#include "entry/DataPageRules.h"
#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/CurrentSoldier.h"
#include "shell/PlainMessage.h"
#include "shell/UpperCaseValidator.h"
#include "shell/maskedit/MaskedEdit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>


namespace {

QLineEdit* NewUpperCaseEdit(QWidget* parent, const QRect& geometry, const QString& toolTip) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(geometry);
  edit->setValidator(new UpperCaseValidator(edit));
  edit->setToolTip(toolTip);
  return edit;
}

TMaskedEdit* NewMaskedEdit(QWidget* parent, MaskFormat format, const QRect& geometry) {
  auto* edit = new TMaskedEdit(format, parent);
  edit->setGeometry(geometry);
  return edit;
}

}  // namespace

void TMainForm::BuildMainPage() {
  MainPanel->setFont(PixelFont(QStringLiteral("Arial"), 12));
  QPalette blackText = MainPanel->palette();
  blackText.setColor(QPalette::WindowText, Qt::black);
  MainPanel->setPalette(blackText);

  NewLabel(MainPanel, QStringLiteral("Name"), QPoint(8, 16));
  NewLabel(MainPanel, QStringLiteral("Rank"), QPoint(8, 60));
  NewLabel(MainPanel, QStringLiteral("SSAN"), QPoint(60, 60));
  NewLabel(MainPanel, QStringLiteral("Age"), QPoint(152, 60));
  NewLabel(MainPanel, QStringLiteral("Weight"), QPoint(190, 60));
  NewLabel(MainPanel, QStringLiteral("Height"), QPoint(242, 60));

  Name = NewUpperCaseEdit(MainPanel, QRect(4, 30, 278, 23), QStringLiteral("The Soldier's Full Name"));
  Name->setMaxLength(kNameLength);
  Rank = NewUpperCaseEdit(MainPanel, QRect(5, 74, 41, 23),
                          QStringLiteral("Three-letter Rank abbreviation (SPC, CW2,MAJ, etc)"));
  Rank->setMaxLength(kRankLength);
  SSANumber = NewMaskedEdit(MainPanel, MaskFormat::Ssan, QRect(58, 74, 80, 23));
  SSANumber->setToolTip(QStringLiteral("Social Security Account Number "));
  Age = NewMaskedEdit(MainPanel, MaskFormat::TwoDigit, QRect(152, 74, 24, 23));
  Age->setToolTip(QStringLiteral("If over 40, see AR 600-9"));
  Weight = NewMaskedEdit(MainPanel, MaskFormat::ThreeDigit, QRect(188, 74, 41, 23));
  Height = NewMaskedEdit(MainPanel, MaskFormat::Decimal, QRect(239, 74, 41, 23));

  SexGroup = NewGroupBox(MainPanel, QStringLiteral("Sex"), QRect(6, 104, 133, 41));
  SexMale = new QRadioButton(MaleItem, SexGroup);
  SexMale->move(6, 16);
  SexMale->adjustSize();
  SexMale->setChecked(true);
  SexFemale = new QRadioButton(FemaleItem, SexGroup);
  SexFemale->move(64, 16);
  SexFemale->adjustSize();

  ScreenButton = new QPushButton(QStringLiteral("Check Screening Table"), MainPanel);
  ScreenButton->setGeometry(142, 111, 139, 33);

  auto* screeningFrame = new TBevelPanel(MainPanel);
  screeningFrame->SetBevels(Bevel::Lowered, Bevel::None);
  screeningFrame->setGeometry(8, 156, 273, 22);
  Screening = NewLabel(MainPanel, QString(), QPoint(24, 160));
  Screening->setFont(PixelFont(QStringLiteral("Arial"), 13, true));
  SetLabelText(Screening, QStringLiteral("Screening"));

  for (auto [widget, name] : {std::pair<QWidget*, const char*>{Name, "Name"}, {Rank, "Rank"},
                              {SSANumber, "SSANumber"}, {Age, "Age"}, {Weight, "Weight"}, {Height, "Height"},
                              {SexGroup, "SexGroup"}, {ScreenButton, "ScreenButton"}, {Screening, "Screening"}})
    widget->setObjectName(QLatin1String(name));
}

void TMainForm::RefuseField(TMaskedEdit* field, const QString& message) {
  ShowMessage(message);
  field->setFocus();
  // The operator types the value afresh: the first key replaces what the field holds.
  field->selectAll();
}

void TMainForm::AgeExit() {
  if (const std::optional<QString> refusal = AgeExitCheck(Age->FieldText())) RefuseField(Age, *refusal);
}

void TMainForm::WeightExit() {
  if (const std::optional<QString> refusal = WeightExitCheck(Weight->FieldText())) RefuseField(Weight, *refusal);
}

void TMainForm::HeightExit() {
  if (const std::optional<QString> refusal = HeightExitCheck(Height->FieldText())) RefuseField(Height, *refusal);
}

bool TMainForm::CollectMainPage() {
  StoreIdentity(Name->text(), Rank->text(), SSANumber->FieldText(), SoldierData);
  if (const std::optional<NumberRefusal> refusal =
          CollectNumbers(Age->FieldText(), Weight->FieldText(), Height->FieldText(), SoldierData)) {
    TMaskedEdit* const fields[] = {Age, Weight, Height};
    RefuseField(fields[static_cast<int>(refusal->field)], refusal->message);
    return false;
  }

  const ScreeningResult screening =
      ExceedsScreeningWeight(SoldierData, SelectedSex() == MaleItem ? Sex::Male : Sex::Female);
  if (screening.outside) {
    SetLabelText(Screening, QStringLiteral("Height not in screening table"));
    RefuseField(Height, QString::fromStdString(DescribeOutOfTable(*screening.outside)));
    return false;
  }
  overScreening_ = screening.exceeds;
  SetLabelText(Screening, screening.exceeds ? QStringLiteral("Soldier is NOT within standards")
                                            : QStringLiteral("Soldier is within standards"));
  DecideCollectedExemption();
  return true;
}

void TMainForm::DecideCollectedExemption() {
  collected_ = PolicyForSoldier();
  collectedExemption_.reset();
  if (!collected_.test) return;
  collectedExemption_ = DecideExemption(collected_.test, collected_.component, collected_.date);
  // A test that does not exempt says why; the tape is taken.
  if (!collectedExemption_->exempt)
    ShowMessage(QString::fromStdString(DescribeExemption(*collectedExemption_)) +
                QStringLiteral(" The tape measurement is taken as usual."));
}

void TMainForm::ScreenButtonClick() { CollectMainPage(); }
