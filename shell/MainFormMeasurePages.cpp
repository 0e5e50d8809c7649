// The male and the female measurement pages and their picture buttons.

#include "shell/MainForm.h"

#include "shell/AppWindows.h"
#include "shell/BevelPanel.h"
#include "shell/Controls.h"
#include "shell/maskedit/MaskedEdit.h"
#include "shell/pictures/Forearm.h"
#include "shell/pictures/Hips.h"
#include "shell/pictures/Neck.h"
#include "shell/pictures/Waist.h"
#include "shell/pictures/Wrist.h"

#include <QGroupBox>
#include <QPushButton>

#include <array>

namespace {

constexpr std::array<const char*, 3> kSetCaptions = {"First Set", "Second Set", "Third Set"};
constexpr std::array<int, 3> kSetTops = {24, 76, 128};

// The three group boxes of a measurement page.
std::array<QGroupBox*, 3> NewSetBoxes(QWidget* page) {
  std::array<QGroupBox*, 3> boxes{};
  for (std::size_t set = 0; set < boxes.size(); ++set) {
    boxes[set] = NewGroupBox(page, QLatin1String(kSetCaptions[set]), QRect(8, kSetTops[set], 273, 49));
  }
  return boxes;
}

}  // namespace

void TMainForm::BuildMalePage() {
  const std::array<QGroupBox*, 3> sets = NewSetBoxes(MalePanel);
  std::array<TMaskedEdit*, 3> necks{};
  std::array<TMaskedEdit*, 3> waists{};
  for (std::size_t set = 0; set < sets.size(); ++set) {
    const QString number = QString::number(set + 1);
    necks[set] = NewMeasurementField(sets[set], QPoint(96, 16), QStringLiteral("MNeck") + number);
    waists[set] = NewMeasurementField(sets[set], QPoint(184, 16), QStringLiteral("Waist") + number);
  }
  std::tie(MNeck1, MNeck2, MNeck3) = std::tuple(necks[0], necks[1], necks[2]);
  std::tie(Waist1, Waist2, Waist3) = std::tuple(waists[0], waists[1], waists[2]);

  MaleNeckPic = NewPictureButton(MalePanel, QStringLiteral("Neck"), QRect(104, 8, 40, 16), QStringLiteral("MaleNeckPic"));
  MaleWaistPic = NewPictureButton(MalePanel, QStringLiteral("Waist"), QRect(192, 8, 40, 16), QStringLiteral("MaleWaistPic"));
}

void TMainForm::BuildFemalePage() {
  const std::array<QGroupBox*, 3> sets = NewSetBoxes(FemalePanel);
  std::array<std::array<TMaskedEdit*, 3>, 4> columns{};
  const std::array<QString, 4> names = {QStringLiteral("Hips"), QStringLiteral("Arm"), QStringLiteral("FNeck"),
                                        QStringLiteral("Wrist")};
  constexpr std::array<int, 4> lefts = {68, 120, 172, 224};
  for (std::size_t set = 0; set < sets.size(); ++set) {
    for (std::size_t column = 0; column < columns.size(); ++column)
      columns[column][set] = NewMeasurementField(sets[set], QPoint(lefts[column], 16), names[column] + QString::number(set + 1));
  }
  std::tie(Hips1, Hips2, Hips3) = std::tuple(columns[0][0], columns[0][1], columns[0][2]);
  std::tie(Arm1, Arm2, Arm3) = std::tuple(columns[1][0], columns[1][1], columns[1][2]);
  std::tie(FNeck1, FNeck2, FNeck3) = std::tuple(columns[2][0], columns[2][1], columns[2][2]);
  std::tie(Wrist1, Wrist2, Wrist3) = std::tuple(columns[3][0], columns[3][1], columns[3][2]);

  Hips = NewPictureButton(FemalePanel, QStringLiteral("Hips"), QRect(70, 8, 53, 16), QStringLiteral("Hips"));
  Forearm = NewPictureButton(FemalePanel, QStringLiteral("Forearm"), QRect(122, 8, 53, 16), QStringLiteral("Forearm"));
  FNeck = NewPictureButton(FemalePanel, QStringLiteral("Neck"), QRect(174, 8, 53, 16), QStringLiteral("FNeck"));
  Wrist = NewPictureButton(FemalePanel, QStringLiteral("Wrist"), QRect(226, 8, 53, 16), QStringLiteral("Wrist"));
}

void TMainForm::MaleNeckPicClick() { MaleNeck->ShowInFront(); }
void TMainForm::MaleWaistPicClick() { MaleAbdomen->ShowInFront(); }
void TMainForm::HipsClick() { FemHips->ShowInFront(); }
void TMainForm::ForearmClick() { FemArm->ShowInFront(); }
// There is one neck picture for both sexes.
void TMainForm::FNeckClick() { MaleNeck->ShowInFront(); }
void TMainForm::WristClick() { FemWrist->ShowInFront(); }
