#pragma once
// The female worksheet, DA Form 5501-ER: an object that owns the worksheet's report.
// The band and the labels the program fills are fields named like the elements; every
// other element is reached by name through Element().

#include "worksheets/WorksheetForm.h"

class TFemaleForm : public TWorksheetForm {
  Q_OBJECT
 public:
  explicit TFemaleForm(QObject* parent = nullptr);

  TTsBand& Band1;
  // The identification block.
  TTsLabel& Name;
  TTsLabel& SSANumber;
  TTsLabel& Rank;
  TTsLabel& Height;
  TTsLabel& Weight;
  TTsLabel& Age;
  // Steps 3 to 6.
  TTsLabel& Hips1;
  TTsLabel& Hips2;
  TTsLabel& Hips3;
  TTsLabel& Hips;
  TTsLabel& Arm1;
  TTsLabel& Arm2;
  TTsLabel& Arm3;
  TTsLabel& Arm;
  TTsLabel& FNeck1;
  TTsLabel& FNeck2;
  TTsLabel& FNeck3;
  TTsLabel& FNeck;
  TTsLabel& Wrist1;
  TTsLabel& Wrist2;
  TTsLabel& Wrist3;
  TTsLabel& Wrist;
  // The calculations, lines 11A to 11I.
  TTsLabel& WFactor;
  TTsLabel& HFactor;  // the hip factor, line 11B
  TTsLabel& Total1;
  TTsLabel& HtFactor;
  TTsLabel& FFactor;
  TTsLabel& NFactor;
  TTsLabel& WrFactor;
  TTsLabel& Total2;
  TTsLabel& ActualBFC;
  // The check marks.
  TTsLabel& X1;
  TTsLabel& X2;
  TTsLabel& X3;
};

// The one female worksheet, created at start-up.
extern TFemaleForm* FemaleForm;
