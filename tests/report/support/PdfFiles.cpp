#include "tests/report/support/PdfFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

QList<QImage> RenderPdfPages(const QString& pdf, int dpi) {
  QTemporaryDir pages;
  const QString prefix = pages.filePath(QStringLiteral("page"));
  if (QProcess::execute(QStringLiteral("pdftoppm"), {"-gray", "-r", QString::number(dpi), pdf, prefix}) != 0) return {};
  QList<QImage> images;
  // pdftoppm numbers the pages with as many digits as the last one needs, so they sort.
  for (const QFileInfo& page : QDir(pages.path()).entryInfoList({"page-*.pgm"}, QDir::Files, QDir::Name))
    images.append(QImage(page.filePath()));
  return images;
}

QString PdfInfoField(const QString& pdf, const QString& field) {
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
  if (!pdfinfo.waitForFinished(60000)) return {};
  const QRegularExpression line(QStringLiteral("(?m)^") + QRegularExpression::escape(field) + QStringLiteral(":\\s+(.*)$"));
  return line.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).trimmed();
}
