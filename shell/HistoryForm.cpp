#include "shell/HistoryForm.h"

#include "records/AbcpProgress.h"
#include "records/AssessmentConversion.h"
#include "records/StoreError.h"
#include "shell/AssessmentRecorder.h"
#include "shell/Glyphs.h"
#include "shell/HistoryChart.h"
#include "shell/HistoryTexts.h"
#include "shell/PlainMessage.h"
#include "shell/PrintWorksheet.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <exception>

namespace {

// The soldier's key, kept on the list's item.
constexpr int kKeyRole = Qt::UserRole;

// The SSAN as lists show it: the last four digits alone, "***-**-6789".
QString MaskedSsan(const QString& ssan) {
  return ssan.isEmpty() ? QStringLiteral("(none)") : QStringLiteral("***-**-") + ssan.right(4);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment | Qt::AlignVCenter);
  return item;
}

}  // namespace

THistoryForm::THistoryForm(AssessmentRecorder& recorder, QWidget* parent)
    : QWidget(parent, Qt::Window), recorder_(recorder), chart_(new QChart), male_(new TMaleForm(this)),
      female_(new TFemaleForm(this)), oneSite_(new TOneSiteForm(this)) {
  setObjectName(QStringLiteral("HistoryForm"));
  setWindowTitle(QStringLiteral("History"));
  setWindowIcon(ProgramIcon());
  resize(980, 640);

  SearchField = new QLineEdit(this);
  SearchField->setObjectName(QStringLiteral("SearchField"));
  SearchField->setPlaceholderText(QStringLiteral("Name or SSAN"));
  FindButton = new QPushButton(QStringLiteral("&Find"), this);
  FindButton->setObjectName(QStringLiteral("FindButton"));
  SoldierList = new QTreeWidget(this);
  SoldierList->setObjectName(QStringLiteral("SoldierList"));
  SoldierList->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Rank"), QStringLiteral("SSAN")});
  SoldierList->setRootIsDecorated(false);
  SoldierList->header()->setStretchLastSection(false);
  SoldierList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column : {1, 2}) SoldierList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  SearchNote = new QLabel(this);
  SearchNote->setObjectName(QStringLiteral("SearchNote"));
  SearchNote->setWordWrap(true);

  AssessmentTable = new QTableWidget(0, 7, this);
  AssessmentTable->setObjectName(QStringLiteral("AssessmentTable"));
  AssessmentTable->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Method"),
                                              QStringLiteral("Weight"), QStringLiteral("Body fat"),
                                              QStringLiteral("Maximum"), QStringLiteral("Verdict"),
                                              QStringLiteral("Progress")});
  AssessmentTable->verticalHeader()->hide();
  AssessmentTable->verticalHeader()->setDefaultSectionSize(AssessmentTable->fontMetrics().height() + 6);
  AssessmentTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  AssessmentTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  AssessmentTable->setSelectionMode(QAbstractItemView::SingleSelection);
  AssessmentTable->horizontalHeader()->setStretchLastSection(true);
  TablesNote = new QLabel(this);
  TablesNote->setObjectName(QStringLiteral("TablesNote"));
  TablesNote->setWordWrap(true);
  TablesNote->hide();
  WorksheetButton = new QPushButton(GlyphIcon(QStringLiteral("printer")), QStringLiteral("&Worksheet"), this);
  WorksheetButton->setObjectName(QStringLiteral("WorksheetButton"));
  WorksheetButton->setToolTip(QStringLiteral("The selected assessment's worksheet in the print preview."));
  WorksheetButton->setEnabled(false);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  ChartView = new QChartView(chart_, this);
  ChartView->setObjectName(QStringLiteral("ChartView"));
  ChartView->setRenderHint(QPainter::Antialiasing);
  ChartView->setMinimumHeight(280);

  auto* search = new QHBoxLayout;
  search->addWidget(SearchField);
  search->addWidget(FindButton);
  auto* left = new QVBoxLayout;
  left->addLayout(search);
  left->addWidget(SoldierList, 1);
  left->addWidget(SearchNote);
  auto* worksheet = new QHBoxLayout;
  worksheet->addWidget(TablesNote, 1);
  worksheet->addStretch();
  worksheet->addWidget(WorksheetButton);
  auto* right = new QVBoxLayout;
  right->addWidget(AssessmentTable, 2);
  right->addLayout(worksheet);
  right->addWidget(ChartView, 3);
  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left, 2);
  columns->addLayout(right, 5);

  connect(FindButton, &QPushButton::clicked, this, &THistoryForm::FindClick);
  connect(SearchField, &QLineEdit::returnPressed, this, &THistoryForm::FindClick);
  connect(SoldierList, &QTreeWidget::itemSelectionChanged, this, &THistoryForm::ShowSoldier);
  connect(AssessmentTable, &QTableWidget::itemSelectionChanged, this, &THistoryForm::AssessmentSelected);
  connect(WorksheetButton, &QPushButton::clicked, this, &THistoryForm::WorksheetClick);
}

void THistoryForm::ShowInFront() {
  show();
  raise();
  activateWindow();
  SearchField->setFocus();
}

void THistoryForm::ReportStoreError(const QString& message) {
  ShowMessage(QStringLiteral("The records cannot be read: %1").arg(message));
}

void THistoryForm::FindClick() {
  std::vector<RecordedSoldier> soldiers;
  try {
    soldiers = recorder_.Store().SearchSoldiers(SearchField->text(), kListedSoldiers + 1);
  } catch (const StoreError& error) {
    ReportStoreError(error.Message());
    return;
  }
  const bool more = soldiers.size() > static_cast<std::size_t>(kListedSoldiers);
  if (more) soldiers.pop_back();
  SoldierList->clear();
  ShowHistory({});
  for (const RecordedSoldier& soldier : soldiers) {
    auto* item = new QTreeWidgetItem(SoldierList, {soldier.name, soldier.rank, MaskedSsan(soldier.ssan)});
    item->setData(0, kKeyRole, soldier.key);
  }
  SearchNote->setText(soldiers.empty() ? QStringLiteral("No soldier is recorded by that name or SSAN.")
                      : more           ? QStringLiteral("The first %1 soldiers found; type more of the name.")
                                             .arg(kListedSoldiers)
                                       : QStringLiteral("%1 found.").arg(soldiers.size()));
  // One soldier found is shown at once.
  if (soldiers.size() == 1) SoldierList->topLevelItem(0)->setSelected(true);
}

void THistoryForm::ShowSoldier() {
  const QList<QTreeWidgetItem*> selected = SoldierList->selectedItems();
  if (selected.isEmpty()) return ShowHistory({});
  try {
    ShowHistory(recorder_.Store().History(selected.front()->data(0, kKeyRole).toString()));
  } catch (const StoreError& error) {
    ReportStoreError(error.Message());
  }
}

void THistoryForm::ShowHistory(std::vector<AssessmentRecord> history) {
  history_ = std::move(history);
  const std::vector<AbcpProgress> progress = AbcpProgressOf(history_);
  AssessmentTable->setRowCount(0);
  AssessmentTable->setRowCount(static_cast<int>(history_.size()));
  for (int row = 0; row < AssessmentTable->rowCount(); ++row) {
    const AssessmentRecord& record = history_[static_cast<std::size_t>(row)];
    const QString cells[] = {record.date.toString(Qt::ISODate), HistoryMethod(record),
                             QString::number(record.weight),    HistoryBodyFat(record),
                             HistoryMaxBodyFat(record),         HistoryVerdict(record),
                             AbcpProgressName(progress[static_cast<std::size_t>(row)])};
    for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
      const bool number = column >= 2 && column <= 4;
      AssessmentTable->setItem(row, column, Cell(cells[column], number ? Qt::AlignRight : Qt::AlignLeft));
    }
  }
  AssessmentTable->resizeColumnsToContents();
  DrawHistoryChart(*chart_, history_);
  chart_->setTitle(history_.empty() ? QString() : history_.back().name);
  // The latest assessment is selected, and in view.
  if (!history_.empty()) {
    AssessmentTable->selectRow(AssessmentTable->rowCount() - 1);
    AssessmentTable->scrollToBottom();
  }
  AssessmentSelected();
}

const AssessmentRecord* THistoryForm::SelectedRecord() const {
  const QList<QTableWidgetItem*> selected = AssessmentTable->selectedItems();
  if (selected.isEmpty()) return nullptr;
  const auto row = static_cast<std::size_t>(selected.front()->row());
  return row < history_.size() ? &history_[row] : nullptr;
}

void THistoryForm::AssessmentSelected() {
  const AssessmentRecord* record = SelectedRecord();
  WorksheetButton->setEnabled(record != nullptr);
  const bool otherTables = record && record->tablesChecksum != recorder_.TablesChecksum();
  TablesNote->setVisible(otherTables);
  if (otherTables)
    TablesNote->setText(QStringLiteral("This assessment was computed with other standards tables than those loaded "
                                       "now: its worksheet shows the results of then, which the same measurements "
                                       "may not give now."));
}

void THistoryForm::WorksheetClick() {
  const AssessmentRecord* record = SelectedRecord();
  if (!record) return;
  // A copy: the preview keeps the event loop running, and a new search may replace the
  // history meanwhile.
  const Assessment assessment = AssessmentOf(*record);
  try {
    PrintWorksheet(assessment, {*male_, *female_, *oneSite_});
  } catch (const std::exception& error) {
    ShowMessage(QStringLiteral("The worksheet cannot be made from this record: %1").arg(error.what()));
  }
}
