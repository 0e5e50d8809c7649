// The History window: soldiers found by name or SSAN, listed without their SSAN; a
// soldier's assessments oldest first with the ABCP progress; the chart; the worksheet made
// again from the selected record in the print preview; the note on other tables; a store
// that cannot be read.

#include "records/AssessmentConversion.h"
#include "records/AssessmentStore.h"
#include "report/device/TsPrinter.h"
#include "report/preview/TsPreview.h"
#include "shell/AssessmentRecorder.h"
#include "shell/HistoryForm.h"
#include "standards/Calculate.h"
#include "tests/report/support/StoredDocuments.h"
#include "tests/report/support/VisiblePreviews.h"
#include "tests/roster/EveryColumnRow.h"
#include "tests/roster/RosterPage.h"
#include "tests/shell/support/MessageBoxWatcher.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

// A man's assessment on a date, by his weight and abdomen.
Assessment Man(const QString& name, const QString& ssan, const QString& date, const QString& weight,
               const QString& abdomen) {
  return EveryColumnRow(With(SampleMan(), {{"name", name}, {"ssan", ssan}, {"date", date}, {"weight", weight},
                                           {"abdomen1", abdomen}, {"abdomen2", abdomen}, {"abdomen3", abdomen}}))
      .assessment.value();
}

// The texts of every list, table and label of the window.
QStringList ShownTexts(const THistoryForm& window) {
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  for (int i = 0; i < window.SoldierList->topLevelItemCount(); ++i)
    for (int column = 0; column < window.SoldierList->columnCount(); ++column)
      texts << window.SoldierList->topLevelItem(i)->text(column);
  for (int row = 0; row < window.AssessmentTable->rowCount(); ++row)
    for (int column = 0; column < window.AssessmentTable->columnCount(); ++column)
      texts << window.AssessmentTable->item(row, column)->text();
  return texts;
}

QStringList Row(const QTableWidget& table, int row) {
  QStringList cells;
  for (int column = 0; column < table.columnCount(); ++column) cells << table.item(row, column)->text();
  return cells;
}

}  // namespace

class HistoryFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  std::unique_ptr<AssessmentRecorder> recorder_;
  std::unique_ptr<THistoryForm> window_;
  std::vector<Assessment> months_;

  void Find(const QString& text) {
    window_->SearchField->setText(text);
    QTest::keyClick(window_->SearchField, Qt::Key_Return);
  }

 private slots:
  void initTestCase() {
    LoadTables(QCoreApplication::applicationDirPath().toStdString());
    recorder_ = std::make_unique<AssessmentRecorder>(folder_.filePath(QStringLiteral("records.sqlite")),
                                                     QCoreApplication::applicationDirPath());
    // Enrolled in January, 4 lb down in February, 1 lb in March, then within in April.
    months_ = {Man("DOE, JOHN A", "123-45-6789", "2026-01-15", "205", "39.50"),
               Man("DOE, JOHN A", "123-45-6789", "2026-02-16", "201", "39.25"),
               Man("DOE, JOHN A", "123-45-6789", "2026-03-16", "200", "39.25"),
               Man("DOE, JOHN A", "123-45-6789", "2026-04-15", "185", "35.00")};
    std::vector<AssessmentRecord> records;
    // Recorded out of order: the window shows them by date.
    for (const Assessment& month : {months_[2], months_[0], months_[3], months_[1]})
      records.push_back(AssessmentRecordOf(month, recorder_->TablesChecksum()));
    records.push_back(AssessmentRecordOf(Man("DOE, JANE", "", "2026-01-15", "150", "33.00"), recorder_->TablesChecksum()));
    AssessmentRecord older = AssessmentRecordOf(Man("SMITH, ANN", "987-65-4321", "2025-06-01", "150", "33.00"),
                                                "tables of another installation");
    records.push_back(older);
    recorder_->Store().RecordAll(records);
    window_ = std::make_unique<THistoryForm>(*recorder_);
    window_->ShowInFront();
  }
  void cleanupTestCase() { window_.reset(); }

  void aNameFindsEverySoldierBearingItWithoutTheirSsan() {
    Find(QStringLiteral("doe"));
    QCOMPARE(window_->SoldierList->topLevelItemCount(), 2);
    QCOMPARE(window_->SoldierList->topLevelItem(0)->text(0), "DOE, JANE");
    QCOMPARE(window_->SoldierList->topLevelItem(0)->text(2), "(none)");
    QCOMPARE(window_->SoldierList->topLevelItem(1)->text(0), "DOE, JOHN A");
    QCOMPARE(window_->SoldierList->topLevelItem(1)->text(1), "SGT");
    QCOMPARE(window_->SoldierList->topLevelItem(1)->text(2), "***-**-6789");
    QCOMPARE(window_->AssessmentTable->rowCount(), 0);  // none chosen yet
    QVERIFY(!window_->WorksheetButton->isEnabled());
    Find(QStringLiteral("nobody"));
    QCOMPARE(window_->SoldierList->topLevelItemCount(), 0);
    QCOMPARE(window_->SearchNote->text(), "No soldier is recorded by that name or SSAN.");
    // The pattern's own characters are letters to find.
    Find(QStringLiteral("%"));
    QCOMPARE(window_->SoldierList->topLevelItemCount(), 0);
  }

  void theSoldiersAssessmentsShowOldestFirstWithTheirProgressAndChart() {
    Find(QStringLiteral("123456789"));  // one soldier found is shown at once
    QCOMPARE(window_->SoldierList->topLevelItemCount(), 1);
    const QTableWidget& table = *window_->AssessmentTable;
    QCOMPARE(table.rowCount(), 4);
    QCOMPARE(Row(table, 0), (QStringList{"2026-01-15", "multi-site", "205", "28.40", "22.00", "not within", "enrolled"}));
    QCOMPARE(Row(table, 1).at(6), "satisfactory");
    QCOMPARE(Row(table, 2).at(6), "unsatisfactory");
    QCOMPARE(Row(table, 3).mid(5), (QStringList{"within", "released"}));
    for (const QString& text : ShownTexts(*window_)) QVERIFY2(!text.contains(QStringLiteral("6789")) || text.startsWith(u'*'), qPrintable(text));

    const QList<QAbstractSeries*> series = window_->ChartView->chart()->series();
    QCOMPARE(series.size(), 3);
    const auto* weight = static_cast<QLineSeries*>(series.at(0));
    const auto* bodyFat = static_cast<QLineSeries*>(series.at(1));
    const auto* maximum = static_cast<QLineSeries*>(series.at(2));
    QCOMPARE(weight->count(), 4);
    QCOMPARE(weight->at(0).y(), 205.0);
    QCOMPARE(weight->at(3).y(), 185.0);
    QVERIFY(weight->at(0).x() < weight->at(1).x());
    QCOMPARE(bodyFat->at(0).y(), 28.4);
    QCOMPARE(maximum->at(3).y(), 22.0);
    QCOMPARE(window_->ChartView->chart()->axes().size(), 3);
  }

  // The latest assessment is selected; Worksheet opens its page, made again from the record,
  // in the print preview: the page the roster prints of the same assessment.
  void theWorksheetIsMadeAgainFromTheRecord() {
    Find(QStringLiteral("doe, john"));
    QCOMPARE(window_->AssessmentTable->rowCount(), 4);
    window_->AssessmentTable->selectRow(0);
    QVERIFY(window_->WorksheetButton->isEnabled());
    QVERIFY(window_->TablesNote->isHidden());
    QImage shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
      for (TTsStandardPreview* preview : VisiblePreviews()) {
        TTsPrinter* device = preview->PagePreview()->Device();
        if (!device || device->Status() != TsPrinterStatus::Finished) continue;
        shown = RenderDevicePage(*device, 1);
        preview->close();
      }
    });
    poll.start(20);
    window_->WorksheetButton->click();
    QVERIFY(!shown.isNull());
    QVERIFY(shown == RosterPage(months_[0]));
    QVERIFY(shown != RosterPage(months_[1]));
  }

  void anAssessmentOfOtherTablesSaysSo() {
    Find(QStringLiteral("smith"));
    QCOMPARE(window_->AssessmentTable->rowCount(), 1);
    QVERIFY(!window_->TablesNote->isHidden());
    QVERIFY(window_->TablesNote->text().contains(QStringLiteral("other standards tables")));
    QVERIFY(window_->WorksheetButton->isEnabled());
  }

  void aStoreThatCannotBeOpenedIsReported() {
    AssessmentRecorder unreachable(QStringLiteral("/proc/no-such-folder/records.sqlite"),
                                   QCoreApplication::applicationDirPath());
    THistoryForm window(unreachable);
    MessageBoxWatcher boxes;
    window.SearchField->setText(QStringLiteral("doe"));
    window.FindButton->click();
    QCOMPARE(boxes.count(), 1);
    QVERIFY2(boxes.lastText().startsWith(QStringLiteral("The records cannot be read: /proc/no-such-folder")),
             qPrintable(boxes.lastText()));
    QCOMPARE(window.SoldierList->topLevelItemCount(), 0);
  }
};

int RunHistoryFormTests(int argc, char** argv) {
  HistoryFormTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HistoryFormTest.moc"
