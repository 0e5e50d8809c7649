#pragma once
// The columns of a roster and the header row that places them. The header names every
// column the table requires, in any order and any case; a name the table does not know is
// refused, so a misspelt column never passes unnoticed. An empty header cell (spreadsheets
// write some past the last column) names nothing.

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// A column of the roster. An optional one may be left out of a roster's header; its values
// then read as empty.
struct RosterColumn {
  const char* name;
  bool optional = false;
};

// Every column a roster may have, in the order the wizard's fields take them.
std::span<const RosterColumn> RosterColumns();

// Where each column is in the records of one roster.
class RosterHeader {
 public:
  // Reads the header row; throws RosterError naming an unknown, repeated or missing column.
  explicit RosterHeader(const QStringList& names);

  // The value of a column of the table in a record, without surrounding blanks; empty when
  // the record ends before it or an optional column is not in the roster.
  QString Value(const QStringList& record, const char* column) const;

  // Whether the roster has the column.
  bool Has(const char* column) const;

  // The position of the first value of the record that no column name covers (beyond the
  // header, or under an empty header cell); nothing when there is none.
  std::optional<qsizetype> UnnamedValue(const QStringList& record) const;

 private:
  QHash<QString, qsizetype> positions_;
};
