#include "worksheets/DA5500.h"

TMaleForm* MaleForm = nullptr;

TMaleForm::TMaleForm(QObject* parent)
    : TWorksheetForm(QStringLiteral(":/worksheets/DA5500.json"), parent),
      TitleBand1(Band(QStringLiteral("TitleBand1"))),
      X1(Label(QStringLiteral("X1"))),
      X2(Label(QStringLiteral("X2"))),
      X3(Label(QStringLiteral("X3"))),
      Name(Label(QStringLiteral("Name"))),
      SSANumber(Label(QStringLiteral("SSANumber"))),
      Rank(Label(QStringLiteral("Rank"))),
      Weight(Label(QStringLiteral("Weight"))),
      Age(Label(QStringLiteral("Age"))),
      Height(Label(QStringLiteral("Height"))),
      MNeck1(Label(QStringLiteral("MNeck1"))),
      MNeck2(Label(QStringLiteral("MNeck2"))),
      MNeck3(Label(QStringLiteral("MNeck3"))),
      MNeck(Label(QStringLiteral("MNeck"))),
      Abs1(Label(QStringLiteral("Abs1"))),
      Abs2(Label(QStringLiteral("Abs2"))),
      Abs3(Label(QStringLiteral("Abs3"))),
      Abs(Label(QStringLiteral("Abs"))),
      AvgAbs(Label(QStringLiteral("AvgAbs"))),
      AvgNeck(Label(QStringLiteral("AvgNeck"))),
      Total1(Label(QStringLiteral("Total1"))),
      ANFactor(Label(QStringLiteral("ANFactor"))),
      HFactor(Label(QStringLiteral("HFactor"))),
      BFC(Label(QStringLiteral("BFC"))),
      MaxWeight(Label(QStringLiteral("MaxWeight"))),
      MaxBFC(Label(QStringLiteral("MaxBFC"))),
      AWeight(Label(QStringLiteral("AWeight"))),
      ABFC(Label(QStringLiteral("ABFC"))) {
  // Its print jobs go by the form's number; the report keeps no title of its own.
  Report->PrintJobName = QStringLiteral("DA Form 5500-ER");
}
