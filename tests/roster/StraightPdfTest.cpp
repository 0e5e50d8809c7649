// A roster's worksheets drawn straight into the PDF, as the program writes them without the
// preview, against the same worksheets kept in the page store for the preview and exported
// from there: the same document, pixel for pixel.

#include "report/device/TsPrinter.h"
#include "roster/RosterRun.h"
#include "standards/Calculate.h"
#include "tests/report/support/PdfFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Men and women by both tape methods, a one-site man with a fourth measurement, a name as
// long as the page shows and longer, letters beyond ASCII, a blank SSAN and a refused row.
const QByteArray kRoster =
    "name,rank,ssan,sex,age,weight,height,neck1,neck2,neck3,abdomen1,abdomen2,abdomen3,hips1,hips2,hips3,"
    "forearm1,forearm2,forearm3,wrist1,wrist2,wrist3,method,abdomen4\n"
    "\"DOE, JOHN A\",SGT,123-45-6789,Male,24,182,70.00,15.50,15.25,15.50,34.00,34.25,34.00,,,,,,,,,\n"
    "\"SMITH, MARY K\",CPT,345-67-8901,Female,28,135,65.25,12.75,12.50,12.75,,,,38.50,38.75,38.50,10.25,10.00,10.25,"
    "6.25,6.00,6.25\n"
    "\"MÜLLER-LÜDENSCHEIDT, JÖRG ÅKE\",1SG,,M,41,199,72.75,16.25,16.5,16.25,38,38.25,38.5,,,,,,,,,\n"
    "\"" + QByteArray(60, 'W') + "\",PV2,456-78-9012,F,19,151,63.00,13.00,13.25,13.00,,,,41.25,41.00,41.50,9.75,9.75,"
    "10.00,5.75,6.00,5.75\n"
    "\"LEE, DANA\",1LT,678-90-1234,Female,16,120,62.00,12.00,12.00,12.00,,,,36.00,36.00,36.00,9.50,9.50,9.50,5.50,5.50,"
    "5.50\n"
    "\"KIM, JAMES\",SGT,789-01-2345,Male,27,190,71.00,,,,36.00,37.50,36.50,,,,,,,,,,one-site,36.00\n"
    "\"PATEL, RIYA\",SPC,890-12-3456,Female,23,142,64.00,,,,33.00,33.50,33.25,,,,,,,,,,one-site,\n";

TEST(StraightPdf, DrawsTheWorksheetsThePageStoreExports) {
  LoadTables(QCoreApplication::applicationDirPath().toStdString());
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), "Liberation Sans");
  QTemporaryDir dir;
  const QString roster = dir.filePath(QStringLiteral("roster.csv"));
  QFile file(roster);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kRoster) == kRoster.size());
  file.close();

  std::ostringstream errors;
  TTsPrinter stored;
  const RosterSummary storedSummary =
      RunRoster({roster, dir.filePath(QStringLiteral("exported.pdf")), {}, false, true}, stored, errors);
  TTsPrinter straight;
  const RosterSummary straightSummary =
      RunRoster({roster, dir.filePath(QStringLiteral("straight.pdf")), {}, false, false}, straight, errors);
  EXPECT_EQ(storedSummary.refused, 1);
  EXPECT_EQ(straightSummary.refused, 1);
  ASSERT_NE(stored.PageList(), nullptr);
  EXPECT_EQ(straight.PageList(), nullptr);  // none of its pages went through a store
  EXPECT_EQ(straight.PageCount(), 6);

  const QList<QImage> exported = RenderPdfPages(dir.filePath(QStringLiteral("exported.pdf")), 100);
  const QList<QImage> drawn = RenderPdfPages(dir.filePath(QStringLiteral("straight.pdf")), 100);
  ASSERT_EQ(exported.size(), 6);
  ASSERT_EQ(drawn.size(), 6);
  for (int page = 0; page < 6; ++page) EXPECT_TRUE(drawn[page] == exported[page]) << "page " << page + 1;
  for (const QString& field : {"Title", "Creator", "Page size"})
    EXPECT_EQ(PdfInfoField(dir.filePath(QStringLiteral("straight.pdf")), field),
              PdfInfoField(dir.filePath(QStringLiteral("exported.pdf")), field));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
            QStringList({"exported.pdf", "roster.csv", "straight.pdf"}));  // no temporary file left
}

}  // namespace
