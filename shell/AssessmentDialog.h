#pragma once
// The dialog of the Assessment menu's "Assessment date and fitness test...": the date of the
// assessment, the soldier's component and, when there is one, the last record fitness test
// (its date and the points of its five events, with their total). It shows, as the values
// change, whether the test exempts the soldier from the body fat standard on that date.

#include "entry/Assessment.h"

#include <QDialog>

#include <array>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QSpinBox;

class TAssessmentDialog : public QDialog {
  Q_OBJECT
 public:
  TAssessmentDialog(const PolicyEntry& entry, QWidget* parent = nullptr);

  // The entry as the dialog's controls give it now.
  PolicyEntry Entry() const;

  QDateEdit* AssessmentDate;
  QComboBox* ComponentChoice;
  QGroupBox* TestGroup;  // checkable: unchecked, no fitness test is given
  QDateEdit* TestDate;
  std::array<QSpinBox*, kAftEventCount> EventPoints{};  // in the order of kAftEvents
  QLabel* Total;
  QLabel* Decision;
  QDialogButtonBox* Buttons;

 private:
  void UpdateDecision();
};
