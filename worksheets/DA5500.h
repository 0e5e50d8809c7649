#pragma once
// The male worksheet, DA Form 5500-ER: an object that owns the worksheet's report.
// The band and the labels the program fills are fields named like the elements; every
// other element is reached by name through Element().

#include "worksheets/WorksheetForm.h"

class TMaleForm : public TWorksheetForm {
  Q_OBJECT
 public:
  explicit TMaleForm(QObject* parent = nullptr);

  TTsBand& TitleBand1;
  // The check marks.
  TTsLabel& X1;
  TTsLabel& X2;
  TTsLabel& X3;
  // The identification block.
  TTsLabel& Name;
  TTsLabel& SSANumber;
  TTsLabel& Rank;
  TTsLabel& Weight;
  TTsLabel& Age;
  TTsLabel& Height;
  // Steps 1 to 8.
  TTsLabel& MNeck1;
  TTsLabel& MNeck2;
  TTsLabel& MNeck3;
  TTsLabel& MNeck;
  TTsLabel& Abs1;
  TTsLabel& Abs2;
  TTsLabel& Abs3;
  TTsLabel& Abs;
  TTsLabel& AvgAbs;
  TTsLabel& AvgNeck;
  TTsLabel& Total1;
  TTsLabel& ANFactor;
  TTsLabel& HFactor;
  TTsLabel& BFC;
  // The remarks block.
  TTsLabel& MaxWeight;
  TTsLabel& MaxBFC;
  TTsLabel& AWeight;
  TTsLabel& ABFC;
};

// The one male worksheet, created at start-up.
extern TMaleForm* MaleForm;
