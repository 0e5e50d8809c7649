#include "roster/RosterColumns.h"

#include "roster/EchoedValue.h"
#include "roster/RosterError.h"
#include "roster/WrittenNames.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace {

constexpr std::array kColumns = std::to_array<RosterColumn>({
    {"name"},     {"rank"},     {"ssan"},     {"sex"},      {"age"},      {"weight"},   {"height"},
    {"method"},
    {"date"},     {"component"},
    {"aft_date"}, {"aft_deadlift"}, {"aft_pushup"}, {"aft_sdc"}, {"aft_plank"}, {"aft_run"},
    {"supplemental_method"}, {"supplemental_body_fat"}, {"supplemental_date"},
    {"neck1"},    {"neck2"},    {"neck3"},
    {"abdomen1"}, {"abdomen2"}, {"abdomen3"}, {"abdomen4"},
    {"hips1"},    {"hips2"},    {"hips3"},    {"forearm1"}, {"forearm2"}, {"forearm3"},
    {"wrist1"},   {"wrist2"},   {"wrist3"},
});

// Other names spreadsheets give a column, as loose names, and the column they name.
constexpr std::pair<const char*, const char*> kOtherNames[] = {
    {"ssn", "ssan"},
};

// The column of the table with this name, exactly as the table writes it.
const RosterColumn* ColumnNamed(const char* name) {
  for (const RosterColumn& column : kColumns)
    if (std::string_view(name) == column.name) return &column;
  return nullptr;
}

// The column a header cell names, however a spreadsheet user wrote it: a unit in
// parentheses at its end ("Weight (lbs)") is left aside, the rest compared as a loose name
// ("Abdomen 1" is abdomen1), and another name of a column ("SSN") stands for it. Every
// column of the table is found this way, whatever its name.
const RosterColumn* ColumnOfCell(const QString& cell) {
  static const QRegularExpression unit(QStringLiteral("\\([^()]*\\)\\s*$"));
  QString name = LooseName(QString(cell).remove(unit));
  for (const auto& [other, column] : kOtherNames)
    if (name == QLatin1String(other)) name = QLatin1String(column);
  for (const RosterColumn& column : kColumns)
    if (name == LooseName(QLatin1String(column.name))) return &column;
  return nullptr;
}

// A first row without a single column name is a roster whose header is missing: its values
// are a soldier's, and none of them is shown.
void CheckNamesAColumn(const QStringList& names) {
  const auto namesAColumn = [](const QString& cell) { return ColumnOfCell(cell) != nullptr; };
  if (std::none_of(names.cbegin(), names.cend(), namesAColumn))
    throw RosterError{0, QStringLiteral("the first row names no known column: a roster begins with a row of column "
                                        "names such as name,rank,ssan,sex,age,weight,height")};
}

}  // namespace

std::span<const RosterColumn> RosterColumns() { return kColumns; }

RosterHeader::RosterHeader(const QStringList& names) {
  CheckNamesAColumn(names);
  for (qsizetype i = 0; i < names.size(); ++i) {
    if (names[i].trimmed().isEmpty()) continue;
    const RosterColumn* column = ColumnOfCell(names[i]);
    if (column == nullptr) throw RosterError{0, QStringLiteral("unknown column %1").arg(EchoedValue(names[i]))};
    const QString name = QLatin1String(column->name);
    if (positions_.contains(name))
      throw RosterError{0, QStringLiteral("column %1 appears twice, as %2 and %3")
                               .arg(name, EchoedValue(names[positions_.value(name)]), EchoedValue(names[i]))};
    positions_.insert(name, i);
  }
}

QString RosterHeader::Value(const QStringList& record, const char* column) const {
  if (ColumnNamed(column) == nullptr) throw std::logic_error(std::string("no roster column ") + column);
  const qsizetype position = positions_.value(QLatin1String(column), -1);
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
