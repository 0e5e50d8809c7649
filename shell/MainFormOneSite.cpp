// The one-site measurement page: the abdomen at the navel three times, a fourth time when
// the three are more than an inch apart, and the one-site results.

#include "shell/MainForm.h"

#include "entry/OneSiteFields.h"
#include "shell/AppWindows.h"
#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/CurrentSoldier.h"
#include "shell/maskedit/MaskedEdit.h"
#include "shell/pictures/Navel.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/WorksheetFilling.h"

#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 4> kCaptions = {"First", "Second", "Third", "Fourth"};
constexpr int kFieldTop = 36;
constexpr int kFirstFieldLeft = 20;
constexpr int kFieldPitch = 62;

const QString kHowToMeasure = QStringLiteral("Measure three times at the navel, each to the nearest half inch.");

QString AbdomenCaption(const QString& sex) {
  return QStringLiteral("Abdomen at the navel (%1)").arg(sex.toLower());
}

}  // namespace

void TMainForm::BuildOneSitePage() {
  auto* box = NewGroupBox(OneSitePanel, AbdomenCaption(MaleItem), QRect(8, 24, 273, 73));
  box->setObjectName(QStringLiteral("AbdomenBox"));
  std::array<TMaskedEdit*, 4> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const int left = kFirstFieldLeft + static_cast<int>(i) * kFieldPitch;
    // Centred over the field, wider than it for "Second".
    QLabel* caption = NewLabel(box, QLatin1String(kCaptions[i]), QPoint(left, 18));
    caption->setGeometry(left - 10, 18, 61, caption->height());
    caption->setAlignment(Qt::AlignHCenter);
    fields[i] = NewMeasurementField(box, QPoint(left, kFieldTop), QStringLiteral("Abdomen") + QString::number(i + 1));
  }
  std::tie(Abdomen1, Abdomen2, Abdomen3, Abdomen4) = std::tuple(fields[0], fields[1], fields[2], fields[3]);
  Abdomen4->setEnabled(false);
  // The page names the sex it measures for.
  connect(SexFemale, &QRadioButton::toggled, box,
          [box](bool female) { box->setTitle(AbdomenCaption(female ? FemaleItem : MaleItem)); });

  NavelPic = NewPictureButton(OneSitePanel, QStringLiteral("Navel"), QRect(118, 8, 53, 16), QStringLiteral("NavelPic"));

  auto* noteFrame = new TBevelPanel(OneSitePanel);
  noteFrame->SetBevels(Bevel::Lowered, Bevel::None);
  noteFrame->setGeometry(8, 106, 273, 48);
  OneSiteNote = new QLabel(kHowToMeasure, OneSitePanel);
  OneSiteNote->setObjectName(QStringLiteral("OneSiteNote"));
  OneSiteNote->setGeometry(14, 109, 261, 42);
  OneSiteNote->setWordWrap(true);
  OneSiteNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TMainForm::UpdateFourthMeasurement() {
  const bool fourth = AsksForFourthMeasurement({Abdomen1->FieldText(), Abdomen2->FieldText(), Abdomen3->FieldText()});
  Abdomen4->setEnabled(fourth);
  OneSiteNote->setText(fourth ? WhyAFourthMeasurement() : kHowToMeasure);
}

bool TMainForm::ShowOneSiteResults() {
  UpdateFourthMeasurement();
  const std::array<TMaskedEdit*, kAbdomenFields> fields = {Abdomen1, Abdomen2, Abdomen3, Abdomen4};
  std::array<QString, kAbdomenFields> texts;
  std::transform(fields.begin(), fields.end(), texts.begin(), [](const TMaskedEdit* field) { return field->FieldText(); });
  const AbdomenReading reading = ReadAbdomenFields(texts);
  if (reading.refusal) {
    RefuseField(fields[static_cast<std::size_t>(reading.refusal->field)], reading.refusal->message);
    return false;
  }
  // The data page holds at most 999 lb, the fields at most 99.99 in, and a fourth was read
  // when the three need one: the computation has all it takes.
  const Sex sex = SelectedSex() == FemaleItem ? Sex::Female : Sex::Male;
  const OneSiteResult result = ComputeOneSiteBodyFat(sex, SoldierData.Age, SoldierData.Weight, reading.taken).value();
  HoldAssessment(TapeMethod::OneSite, result.within, result);
  ShowResultTexts(QString::number(result.maxBodyFat), QString::number(result.roundedBodyFat), result.within);
  ShowAssessmentLines();
  // Start-up creates the worksheet; a main window made without it has no marks to set.
  if (OneSiteForm != nullptr) SetComplianceMarks(*OneSiteForm, result.within);
  return true;
}

void TMainForm::NavelPicClick() { Navel->ShowInFront(); }
