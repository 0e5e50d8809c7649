#pragma once
// The dialog of the Assessment menu's "Supplemental assessment...": the method (DXA,
// bioelectrical impedance or air displacement), the body fat it measured (one decimal at
// most, read by the standards' own rule) and its date. OK is enabled only for a body fat
// that rule reads.

#include "standards/Supplemental.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

class TSupplementalDialog : public QDialog {
  Q_OBJECT
 public:
  // Shows the result given, or an empty body fat dated `date`.
  TSupplementalDialog(const std::optional<SupplementalResult>& result, CalendarDate date, QWidget* parent = nullptr);

  // The result as the controls give it now; none while the body fat cannot be read.
  std::optional<SupplementalResult> Result() const;

  QComboBox* MethodChoice;
  QLineEdit* BodyFat;
  QDateEdit* ResultDate;
  QLabel* Reading;
  QDialogButtonBox* Buttons;

 private:
  void UpdateReading();
};
