#pragma once
// The History window (Records, History...): a soldier found by name or SSAN, the soldier's
// assessments oldest first with the ABCP progress, the worksheet of any of them made again
// from its record in the print preview, and a chart of the weight and body fat over time
// with the maximum. Created once at start-up; closing hides it.

#include "records/AssessmentRecord.h"

#include <QString>
#include <QWidget>

#include <vector>

class AssessmentRecorder;
class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class TFemaleForm;
class TMaleForm;
class TOneSiteForm;

class THistoryForm : public QWidget {
  Q_OBJECT
 public:
  // At most this many soldiers are listed for one search.
  static constexpr int kListedSoldiers = 200;

  // Reads the recorder's store, opened at the first search.
  explicit THistoryForm(AssessmentRecorder& recorder, QWidget* parent = nullptr);

  // Shows the window modelessly, raises and activates it, the search field focused.
  void ShowInFront();
  // The assessments shown, oldest first.
  const std::vector<AssessmentRecord>& History() const { return history_; }

  QLineEdit* SearchField;
  QPushButton* FindButton;
  // The soldiers found: name, rank and the SSAN's last four digits.
  QTreeWidget* SoldierList;
  // Says how many were found, or why none.
  QLabel* SearchNote;
  QTableWidget* AssessmentTable;
  // Names the selected assessment's tables when they are not those loaded now.
  QLabel* TablesNote;
  QPushButton* WorksheetButton;
  QChartView* ChartView;

 public slots:
  void FindClick();
  void WorksheetClick();

 private:
  void ShowSoldier();
  void ShowHistory(std::vector<AssessmentRecord> history);
  void AssessmentSelected();
  const AssessmentRecord* SelectedRecord() const;
  // Shows the store's failure in a message box.
  void ReportStoreError(const QString& message);

  AssessmentRecorder& recorder_;
  std::vector<AssessmentRecord> history_;
  QChart* chart_;
  // The worksheets made again from records, apart from the wizard's, whose marks and hooks
  // belong to the soldier it holds.
  TMaleForm* male_;
  TFemaleForm* female_;
  TOneSiteForm* oneSite_;
};
