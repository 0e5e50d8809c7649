#include "tests/shell/TestTables.h"

#include "tests/standards/ZeroRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>

namespace {

QByteArray Header(int lines) { return QByteArray("header\r\n").repeated(lines); }

// The header and a zero row for every key of the table, which the rows that follow replace.
QByteArray OverZeros(const char* name) { return Header(5) + QByteArray::fromStdString(ZeroRowsOf(name)); }

// Men: the abdomen-neck factor at 20, 21 and 22 inches against a height factor of 20 at
// 70 inches makes body fat 26.004, 26 and -3.5 against a maximum of 26.
// Women (95 lb, 65 in, hips 40, forearm 10, neck 12, wrist 6): (100 + 20) - (50 + 10 +
// 10 + 20) = 30 against a maximum of 30. Screening: 150 lb for men and 140 lb for women
// at 65 and 70 inches. The one-site equations and the exemption's thresholds are the
// shipped ones. Every other entry is 0.
const std::map<QString, QByteArray>& TestTableFiles() {
  static const std::map<QString, QByteArray> files = {
      {"SCREEN.TBL", OverZeros("SCREEN.TBL") + "65 150 150 150 150 140 140 140 140\r\n70 150 150 150 150 140 140 140 140\r\n"},
      {"STANDARD.TBL", Header(4) + "17 26 30\r\n21 26 30\r\n28 26 30\r\n40 26 30\r\n"},
      {"Table.B-1", OverZeros("Table.B-1") + "20 46.004 0 0 0\r\n21 46 0 0 0\r\n22 16.5 0 0 0\r\n"},
      {"Table.B-2", OverZeros("Table.B-2") + "70 20 0 0 0\r\n"},
      {"Table.B-3", Header(5) + "90 100 100 100 100 100 100 100 100 100 100\r\n" +
                        QByteArray::fromStdString(ZeroRows(100, TTableB3::LastKey, 10, 10))},
      {"Table.B-4", OverZeros("Table.B-4") + "65 50 0 0 0\r\n"},
      {"Table.B-5", OverZeros("Table.B-5") + "40 20 0 0 0\r\n"},
      {"Table.B-6", OverZeros("Table.B-6") + "10 10 0 0 0\r\n"},
      {"Table.B-7", OverZeros("Table.B-7") + "12 10 0 0 0\r\n"},
      {"Table.B-8", OverZeros("Table.B-8") + "6 20 0 0 0\r\n"},
      {"ONESITE.TBL", Header(5) + "1 -26.97 -0.12 1.99\r\n2 -9.15 -0.015 1.27\r\n"},
      {"EXEMPT.TBL", Header(5) + "1 465\r\n2 80\r\n3 8\r\n4 12\r\n"},
  };
  return files;
}

QString TablesDir(const QTemporaryDir& dir) {
  QDir(dir.path()).mkpath(QStringLiteral("TABLES"));
  return dir.filePath(QStringLiteral("TABLES"));
}

}  // namespace

void WriteTestTables(const QTemporaryDir& dir, const QString& skip) {
  const QString tables = TablesDir(dir);
  for (const auto& [name, content] : TestTableFiles()) {
    if (name == skip) continue;
    QFile file(tables + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
  }
}

QString ShownTablePath(const QTemporaryDir& dir, const QString& name) {
  return QFileInfo(TablesDir(dir)).canonicalFilePath() + QLatin1Char('/') + name;
}

void CopyShippedTables(const QTemporaryDir& dir, const QString& skip) {
  const QString tables = TablesDir(dir);
  const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/TABLES"));
  for (const QString& name : shipped.entryList(QDir::Files)) {
    if (name != skip) QFile::copy(shipped.filePath(name), tables + QLatin1Char('/') + name);
  }
}
