#include "worksheets/DA5501.h"

TFemaleForm* FemaleForm = nullptr;

TFemaleForm::TFemaleForm(QObject* parent)
    : TWorksheetForm(QStringLiteral(":/worksheets/DA5501.json"), parent),
      Band1(Band(QStringLiteral("Band1"))),
      Name(Label(QStringLiteral("Name"))),
      SSANumber(Label(QStringLiteral("SSANumber"))),
      Rank(Label(QStringLiteral("Rank"))),
      Height(Label(QStringLiteral("Height"))),
      Weight(Label(QStringLiteral("Weight"))),
      Age(Label(QStringLiteral("Age"))),
      Hips1(Label(QStringLiteral("Hips1"))),
      Hips2(Label(QStringLiteral("Hips2"))),
      Hips3(Label(QStringLiteral("Hips3"))),
      Hips(Label(QStringLiteral("Hips"))),
      Arm1(Label(QStringLiteral("Arm1"))),
      Arm2(Label(QStringLiteral("Arm2"))),
      Arm3(Label(QStringLiteral("Arm3"))),
      Arm(Label(QStringLiteral("Arm"))),
      FNeck1(Label(QStringLiteral("FNeck1"))),
      FNeck2(Label(QStringLiteral("FNeck2"))),
      FNeck3(Label(QStringLiteral("FNeck3"))),
      FNeck(Label(QStringLiteral("FNeck"))),
      Wrist1(Label(QStringLiteral("Wrist1"))),
      Wrist2(Label(QStringLiteral("Wrist2"))),
      Wrist3(Label(QStringLiteral("Wrist3"))),
      Wrist(Label(QStringLiteral("Wrist"))),
      WFactor(Label(QStringLiteral("WFactor"))),
      HFactor(Label(QStringLiteral("HFactor"))),
      Total1(Label(QStringLiteral("Total1"))),
      HtFactor(Label(QStringLiteral("HtFactor"))),
      FFactor(Label(QStringLiteral("FFactor"))),
      NFactor(Label(QStringLiteral("NFactor"))),
      WrFactor(Label(QStringLiteral("WrFactor"))),
      Total2(Label(QStringLiteral("Total2"))),
      ActualBFC(Label(QStringLiteral("ActualBFC"))),
      X1(Label(QStringLiteral("X1"))),
      X2(Label(QStringLiteral("X2"))),
      X3(Label(QStringLiteral("X3"))) {
  // Its print jobs go by the form's number; the report keeps no title of its own.
  Report->PrintJobName = QStringLiteral("DA Form 5501-ER");
}
