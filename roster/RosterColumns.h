#pragma once
// The columns of a roster and the header row that places them. The header names the
// columns the roster has, in any order, as spreadsheet users write them: in any case, with
// blanks, underscores or dashes between the words, a unit in parentheses after the name
// ("Abdomen 1", "abdomen_1", "Weight (lbs)"), or by another name ("SSN" for ssan). A name
// the table does not know is refused, so a misspelt column never passes unnoticed; two
// cells naming one column are refused too. A roster needs only the columns its
// records read (a one-site roster no neck, hips, forearm or wrist): each record says which
// those are. An empty header cell (spreadsheets write some past the last column) names
// nothing.

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// A column a roster may have.
struct RosterColumn {
  const char* name;
};

// Every column a roster may have, in the order the wizard's fields take them.
std::span<const RosterColumn> RosterColumns();

// Where each column is in the records of one roster.
class RosterHeader {
 public:
  // Reads the header row; throws RosterError naming an unknown column, both cells of a
  // repeated one, or when it names no column at all.
  explicit RosterHeader(const QStringList& names);

  // The value of a column of the table (named as the table names it) in a record, without
  // surrounding blanks; empty when the record ends before it or the column is not in the
  // roster.
  QString Value(const QStringList& record, const char* column) const;

  // Whether the roster has the column.
  bool Has(const char* column) const;

  // The position of the first value of the record that no column name covers (beyond the
  // header, or under an empty header cell); nothing when there is none.
  std::optional<qsizetype> UnnamedValue(const QStringList& record) const;

 private:
  QHash<QString, qsizetype> positions_;
};
