#include "entry/DataPageRules.h"

#include "entry/FieldNumbers.h"
#include "standards/Calculate.h"

#include <algorithm>
#include <array>

namespace {

constexpr double kLowestHeight = 50.0;
constexpr int kHighestRefusedAge = 16;

// Copies text into a fixed text field of the record, cut to the field's capacity.
template <std::size_t N>
void StoreText(std::array<char, N>& field, const QString& text) {
  const QByteArray bytes = text.toLatin1();
  const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), N - 1);
  std::copy_n(bytes.constData(), length, field.begin());
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(length), field.end(), '\0');
}

}  // namespace

QString UpperCased(const QString& text) { return text.toUpper(); }

QString SexItem(Sex sex) { return sex == Sex::Male ? QStringLiteral("Male") : QStringLiteral("Female"); }

std::optional<QString> AgeExitCheck(const QString& fieldText) {
  const std::optional<int> age = ReadFieldInteger(fieldText);
  if (!age) return QStringLiteral("Age cannot be blank!");
  if (*age <= kHighestRefusedAge) return QStringLiteral("Age is outside this application's range!");
  return std::nullopt;
}

std::optional<QString> WeightExitCheck(const QString& fieldText) {
  const std::optional<int> weight = ReadFieldInteger(fieldText);
  if (!weight || *weight < 1) return QStringLiteral("Weight is a required Field!");
  return std::nullopt;
}

// A height that cannot be read has no message here: collecting the page reports it.
std::optional<QString> HeightExitCheck(const QString& fieldText) {
  const std::optional<double> height = ReadFieldDecimal(fieldText);
  if (height && *height <= kLowestHeight) return QStringLiteral("Height is outside this application's range!");
  return std::nullopt;
}

void StoreIdentity(const QString& name, const QString& rank, const QString& ssanFieldText, TSoldierData& data) {
  StoreText(data.Name, name);
  StoreText(data.Rank, rank);
  StoreText(data.SSAN, ssanFieldText);
}

std::optional<NumberRefusal> CollectNumbers(const QString& ageText, const QString& weightText,
                                            const QString& heightText, TSoldierData& data) {
  const std::optional<int> age = ReadFieldInteger(ageText);
  if (!age) return NumberRefusal{NumberField::Age, QStringLiteral("Age is a required Field!")};
  data.Age = *age;

  const std::optional<int> weight = ReadFieldInteger(weightText);
  if (!weight) return NumberRefusal{NumberField::Weight, QStringLiteral("Weight is a required Field!")};
  data.Weight = *weight;

  const std::optional<double> height = ReadFieldDecimal(heightText);
  if (!height) return NumberRefusal{NumberField::Height, QStringLiteral("Height is a required Field!")};
  data.Height = RoundToQuarter(*height);
  return std::nullopt;
}
