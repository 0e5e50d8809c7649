#include "roster/RosterTemplate.h"

#include "entry/OneSiteFields.h"
#include "roster/CsvCells.h"
#include "roster/RosterColumns.h"
#include "roster/SoldierRow.h"
#include "roster/WrittenNames.h"

#include <QSet>

#include <algorithm>
#include <map>
#include <string_view>

namespace {

using ExampleRow = std::map<std::string_view, const char*>;

// The example soldiers, made up as those of the shipped example roster: a man measured by
// the multi-site method, a woman by the one-site method whose three measurements ask for no
// fourth (its cell left empty).
const ExampleRow kMultiSiteExample = {
    {"name", "DOE, JOHN A"}, {"rank", "SGT"},       {"ssan", "123-45-6789"}, {"sex", "Male"},
    {"age", "24"},           {"weight", "182"},     {"height", "70.00"},     {"neck1", "15.50"},
    {"neck2", "15.25"},      {"neck3", "15.50"},    {"abdomen1", "34.00"},   {"abdomen2", "34.25"},
    {"abdomen3", "34.00"}};
const ExampleRow kOneSiteExample = {
    {"name", "PATEL, RIYA"}, {"rank", "SPC"},         {"ssan", "890-12-3456"}, {"sex", "Female"},
    {"age", "23"},           {"weight", "142"},       {"height", "64.00"},     {"abdomen1", "33.00"},
    {"abdomen2", "33.50"},   {"abdomen3", "33.25"}};

// The columns a roster of the method reads, for either sex; the one-site method's fourth
// abdomen too, which a row reads when its first three ask for it; and the method.
QSet<QByteArray> TemplateColumns(TapeMethod method) {
  QSet<QByteArray> columns = {"method"};
  for (const Sex sex : {Sex::Male, Sex::Female})
    for (const QByteArray& column : ColumnsRead(method, sex, false)) columns.insert(column);
  if (method == TapeMethod::OneSite) columns.insert("abdomen" + QByteArray::number(kAbdomenFields));
  return columns;
}

}  // namespace

QByteArray RosterTemplate(TapeMethod method) {
  const QSet<QByteArray> wanted = TemplateColumns(method);
  const ExampleRow& example = method == TapeMethod::OneSite ? kOneSiteExample : kMultiSiteExample;
  QStringList header;
  QStringList row;
  // In the order of the table of columns, which is the wizard's order of fields.
  for (const RosterColumn& column : RosterColumns()) {
    if (!wanted.contains(column.name)) continue;
    header << QLatin1String(column.name);
    const auto value = example.find(column.name);
    row << (column.name == std::string_view("method") ? TapeMethodText(method)
            : value != example.end()                  ? QLatin1String(value->second)
                                                      : QString());
  }
  return CsvLine(header) + CsvLine(row);
}
