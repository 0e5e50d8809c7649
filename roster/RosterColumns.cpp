#include "roster/RosterColumns.h"

#include "roster/EchoedValue.h"
#include "roster/RosterError.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

constexpr std::array kColumns = std::to_array<RosterColumn>({
    {"name"},     {"rank"},     {"ssan"},     {"sex"},      {"age"},      {"weight"},   {"height"},
    {"method"},
    {"neck1"},    {"neck2"},    {"neck3"},
    {"abdomen1"}, {"abdomen2"}, {"abdomen3"}, {"abdomen4"},
    {"hips1"},    {"hips2"},    {"hips3"},    {"forearm1"}, {"forearm2"}, {"forearm3"},
    {"wrist1"},   {"wrist2"},   {"wrist3"},
});

const RosterColumn* FindColumn(const QString& name) {
  for (const RosterColumn& column : kColumns)
    if (name == QLatin1String(column.name)) return &column;
  return nullptr;
}

QString ColumnName(const QString& cell) { return cell.trimmed().toLower(); }

// A first row without a single column name is a roster whose header is missing: its values
// are a soldier's, and none of them is shown.
void CheckNamesAColumn(const QStringList& names) {
  const auto namesAColumn = [](const QString& cell) { return FindColumn(ColumnName(cell)) != nullptr; };
  if (std::none_of(names.cbegin(), names.cend(), namesAColumn))
    throw RosterError{0, QStringLiteral("the first row names no known column: a roster begins with a row of column "
                                        "names such as name,rank,ssan,sex,age,weight,height")};
}

}  // namespace

std::span<const RosterColumn> RosterColumns() { return kColumns; }

RosterHeader::RosterHeader(const QStringList& names) {
  CheckNamesAColumn(names);
  for (qsizetype i = 0; i < names.size(); ++i) {
    const QString name = ColumnName(names[i]);
    if (name.isEmpty()) continue;
    if (FindColumn(name) == nullptr)
      throw RosterError{0, QStringLiteral("unknown column %1").arg(EchoedValue(names[i]))};
    if (positions_.contains(name))
      throw RosterError{0, QStringLiteral("column %1 appears twice").arg(EchoedValue(names[i]))};
    positions_.insert(name, i);
  }
}

QString RosterHeader::Value(const QStringList& record, const char* column) const {
  const QString name = QLatin1String(column);
  if (FindColumn(name) == nullptr) throw std::logic_error(std::string("no roster column ") + column);
  const qsizetype position = positions_.value(name, -1);
  return position >= 0 && position < record.size() ? record[position].trimmed() : QString();
}

bool RosterHeader::Has(const char* column) const { return positions_.contains(QLatin1String(column)); }

std::optional<qsizetype> RosterHeader::UnnamedValue(const QStringList& record) const {
  for (qsizetype i = 0; i < record.size(); ++i) {
    if (!record[i].trimmed().isEmpty() && std::find(positions_.cbegin(), positions_.cend(), i) == positions_.cend())
      return i;
  }
  return std::nullopt;
}
