#pragma once
// Reading numbers from the text of a masked field (blanks for empty cells, a point as
// the decimal separator whatever the locale).

#include <QString>
#include <optional>

// Leading blanks, an optional sign, then digits up to the very end of the text.
std::optional<int> ReadFieldInteger(const QString& fieldText);
// Leading and trailing blanks skipped; digits and/or one "." between them, no blank
// inside. A text of blanks around a lone "." (an empty decimal field) reads as 0.
std::optional<double> ReadFieldDecimal(const QString& fieldText);

// A measurement field read as the wizard accepts it: the number, or the message that
// refuses the field. A field that cannot be read, is untouched or reads as 0 is refused
// with "This is a required Field!": no body is measured as 0 inches, and a forgotten set
// must not be averaged in as zeros.
struct MeasurementReading {
  std::optional<double> value;  // empty when refused
  QString refusal;
};
MeasurementReading ReadMeasurement(const QString& fieldText);
