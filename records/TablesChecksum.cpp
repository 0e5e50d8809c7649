#include "records/TablesChecksum.h"

#include "standards/TableParsers.h"

#include <QCryptographicHash>
#include <QFile>

std::optional<QString> TablesChecksum(const QString& baseDir) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  for (const char* name : TableFileNames) {
    QFile file(baseDir + QStringLiteral("/TABLES/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // Each file's length before its bytes, so no byte can pass from one file to the next
    // unseen.
    hash.addData(QByteArray::number(file.size()) + '\n');
    if (!hash.addData(&file)) return std::nullopt;
  }
  return QString::fromLatin1(hash.result().toHex());
}
