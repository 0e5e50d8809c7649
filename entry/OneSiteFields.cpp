#include "entry/OneSiteFields.h"

#include "entry/FieldNumbers.h"
#include "standards/OneSite.h"

bool AsksForFourthMeasurement(const std::array<QString, 3>& firstThree) {
  std::array<double, 3> values{};
  for (std::size_t i = 0; i < firstThree.size(); ++i) {
    const std::optional<double> value = ReadMeasurement(firstThree[i]).value;
    if (!value) return false;
    values[i] = *value;
  }
  return NeedsFourthMeasurement(values);
}

QString WhyAFourthMeasurement() {
  return QStringLiteral(
      "The first three are more than one inch apart: take a fourth measurement. The three closest are averaged.");
}

AbdomenReading ReadAbdomenFields(const std::array<QString, kAbdomenFields>& fieldTexts) {
  const int fields = AsksForFourthMeasurement({fieldTexts[0], fieldTexts[1], fieldTexts[2]}) ? 4 : 3;
  AbdomenReading reading;
  for (int i = 0; i < fields; ++i) {
    const MeasurementReading measurement = ReadMeasurement(fieldTexts[static_cast<std::size_t>(i)]);
    if (!measurement.value) return {{}, AbdomenRefusal{i, measurement.refusal}};
    reading.taken.push_back(*measurement.value);
  }
  return reading;
}
