// The soldier data page: its controls, the checks made when the focus leaves a number
// field, and the collection of the page into SoldierData with the screening verdict.

#include "shell/MainForm.h"

#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/PlainMessage.h"
#include "shell/UpperCaseValidator.h"
#include "shell/maskedit/MaskedEdit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace {

constexpr double kLowestHeight = 50.0;
constexpr int kHighestRefusedAge = 16;

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

// Copies text into a fixed text field of SoldierData, cut to the field's capacity.
template <std::size_t N>
void StoreText(std::array<char, N>& field, const QString& text) {
  const QByteArray bytes = text.toLatin1();
  const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), N - 1);
  std::copy_n(bytes.constData(), length, field.begin());
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length), field.end(), '\0');
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
  Rank = NewUpperCaseEdit(MainPanel, QRect(5, 74, 41, 23),
                          QStringLiteral("Three-letter Rank abbreviation (SPC, CW2,MAJ, etc)"));
  Rank->setMaxLength(3);
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
}

void TMainForm::AgeExit() {
  const std::optional<int> age = ReadFieldInteger(Age->FieldText());
  if (!age) {
    RefuseField(Age, QStringLiteral("Age cannot be blank!"));
  } else if (*age <= kHighestRefusedAge) {
    RefuseField(Age, QStringLiteral("Age is outside this application's range!"));
  }
}

void TMainForm::WeightExit() {
  const std::optional<int> weight = ReadFieldInteger(Weight->FieldText());
  if (!weight || *weight < 1) RefuseField(Weight, QStringLiteral("Weight is a required Field!"));
}

// A height that cannot be read has no message here: collecting the page reports it.
void TMainForm::HeightExit() {
  const std::optional<double> height = ReadFieldDecimal(Height->FieldText());
  if (height && *height <= kLowestHeight)
    RefuseField(Height, QStringLiteral("Height is outside this application's range!"));
}

bool TMainForm::CollectMainPage() {
  StoreText(SoldierData.Name, Name->text());
  StoreText(SoldierData.Rank, Rank->text());
  StoreText(SoldierData.SSAN, SSANumber->FieldText());

  const std::optional<int> age = ReadFieldInteger(Age->FieldText());
  if (!age) {
    RefuseField(Age, QStringLiteral("Age is a required Field!"));
    return false;
  }
  SoldierData.Age = *age;

  const std::optional<int> weight = ReadFieldInteger(Weight->FieldText());
  if (!weight) {
    RefuseField(Weight, QStringLiteral("Weight is a required Field!"));
    return false;
  }
  SoldierData.Weight = *weight;

  const std::optional<double> height = ReadFieldDecimal(Height->FieldText());
  if (!height) {
    RefuseField(Height, QStringLiteral("Height is a required Field!"));
    return false;
  }
  SoldierData.Height = RoundToQuarter(*height);

  const ScreeningResult screening =
      ExceedsScreeningWeight(SelectedSex() == MaleItem ? Sex::Male : Sex::Female);
  if (screening.outside) {
    SetLabelText(Screening, QStringLiteral("Height not in screening table"));
    RefuseField(Height, QString::fromStdString(DescribeOutOfTable(*screening.outside)));
    return false;
  }
  SetLabelText(Screening, screening.exceeds ? QStringLiteral("Soldier is NOT within standards")
                                            : QStringLiteral("Soldier is within standards"));
  return true;
}

void TMainForm::ScreenButtonClick() { CollectMainPage(); }
