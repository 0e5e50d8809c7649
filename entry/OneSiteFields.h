#pragma once
// The one-site page's rules on the texts of its abdominal fields: when the page asks for a
// fourth measurement, and the reading of the fields it takes. The wizard's page applies them
// to its widgets; a roster applies them to its rows, so both take the same measurements and
// refuse the same fields with the same messages.

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The page's fields: the first three always, the fourth only when asked for.
inline constexpr int kAbdomenFields = 4;

// Whether the page asks for the fourth: the first three fields all read as measurements and
// are more than an inch apart.
bool AsksForFourthMeasurement(const std::array<QString, 3>& firstThree);

// The page's note telling why it asks for the fourth.
QString WhyAFourthMeasurement();

struct AbdomenRefusal {
  int field = 0;  // 0 for the first field to 3 for the fourth
  QString message;
};

struct AbdomenReading {
  std::vector<double> taken;  // the measurements as typed, three or four
  std::optional<AbdomenRefusal> refusal;  // the first field refused; nothing is taken then
};

// Reads the fields in order, the fourth only when the first three ask for it (a fourth
// that is not asked for is not read at all), each by the measurement rule of every
// measurement field: an untouched or zero field is refused.
AbdomenReading ReadAbdomenFields(const std::array<QString, kAbdomenFields>& fieldTexts);
