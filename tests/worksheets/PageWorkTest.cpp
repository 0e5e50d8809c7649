// The drawing work of the genuine worksheets, filled to their widest, against the most a
// page may ask for (PageDrawingWork.h): each stays within a fifth of it, so the limit
// refuses only pages that no report of the program draws. (The estimate charges every
// line of text as dearly as the dearest letters Qt draws; measured, the worksheets take a
// sixteenth of the time the limit allows.)

#include "WidestWorksheets.h"
#include "report/device/PagePicture.h"
#include "report/device/PictureCommandCheck.h"

#include <QTest>

namespace {

constexpr double kGenuineMargin = 5;

}  // namespace

class PageWorkTest : public QObject {
  Q_OBJECT
 private slots:
  void genuineWorksheetsStayFarWithinTheLimit() {
    for (const GenuinePage& page : WidestWorksheetPages()) {
      const QByteArray name = page.name.toUtf8();
      const std::optional<PageDrawingWork> work = PictureDrawingWork(PictureRecordBytes(page.picture, false));
      QVERIFY2(work, name);
      qInfo("%s: drawing work %.1f", name.constData(), work->cost);
      QVERIFY2(work->cost * kGenuineMargin <= kMostPageDrawingWork.cost, name);
    }
  }
};

QObject* NewPageWorkTest() { return new PageWorkTest; }

#include "PageWorkTest.moc"
