#include "shell/AssessmentDialog.h"

#include "shell/Controls.h"
#include "shell/IsoDateEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr std::array kComponents = {Component::Regular, Component::Agr, Component::Guard, Component::Reserve};

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// "Hand-release push-up": an event's name as a field's caption.
QString Caption(AftEvent event) {
  const QString name = Text(AftEventName(event));
  return name.left(1).toUpper() + name.mid(1) + QLatin1Char(':');
}

}  // namespace

TAssessmentDialog::TAssessmentDialog(const PolicyEntry& entry, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AssessmentDialog"));
  setWindowTitle(QStringLiteral("Assessment date and fitness test"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  AssessmentDate = NewIsoDateEdit(this, entry.date);
  AssessmentDate->setObjectName(QStringLiteral("AssessmentDate"));
  form->addRow(QStringLiteral("&Date of the assessment:"), AssessmentDate);
  ComponentChoice = new QComboBox(this);
  ComponentChoice->setObjectName(QStringLiteral("ComponentChoice"));
  for (Component component : kComponents) ComponentChoice->addItem(Text(ComponentLongName(component)));
  ComponentChoice->setCurrentIndex(static_cast<int>(entry.component));
  form->addRow(QStringLiteral("&Component:"), ComponentChoice);

  TestGroup = new QGroupBox(QStringLiteral("Last record &fitness test (leave unchecked after an alternate event)"), this);
  TestGroup->setObjectName(QStringLiteral("TestGroup"));
  TestGroup->setCheckable(true);
  TestGroup->setChecked(entry.test.has_value());
  auto* testForm = new QFormLayout(TestGroup);
  TestDate = NewIsoDateEdit(TestGroup, entry.test ? entry.test->date : entry.date);
  TestDate->setObjectName(QStringLiteral("TestDate"));
  testForm->addRow(QStringLiteral("Date of the test:"), TestDate);
  for (AftEvent event : kAftEvents) {
    auto* points = new QSpinBox(TestGroup);
    points->setRange(0, kMaxEventPoints);
    points->setSuffix(QStringLiteral(" points"));
    points->setValue(entry.test ? entry.test->Points(event) : 0);
    points->setObjectName(Text(AftEventColumn(event)));
    testForm->addRow(Caption(event), points);
    EventPoints[static_cast<std::size_t>(event)] = points;
  }
  Total = new QLabel(TestGroup);
  Total->setObjectName(QStringLiteral("Total"));
  testForm->addRow(QStringLiteral("Total:"), Total);
  layout->addWidget(TestGroup);

  Decision = new QLabel(this);
  Decision->setObjectName(QStringLiteral("Decision"));
  Decision->setWordWrap(true);
  Decision->setMinimumWidth(360);
  layout->addWidget(Decision);

  Buttons = NewOkCancelButtons(this);
  layout->addWidget(Buttons);

  connect(AssessmentDate, &QDateEdit::dateChanged, this, &TAssessmentDialog::UpdateDecision);
  connect(TestDate, &QDateEdit::dateChanged, this, &TAssessmentDialog::UpdateDecision);
  connect(ComponentChoice, &QComboBox::currentIndexChanged, this, &TAssessmentDialog::UpdateDecision);
  connect(TestGroup, &QGroupBox::toggled, this, &TAssessmentDialog::UpdateDecision);
  for (QSpinBox* points : EventPoints) connect(points, &QSpinBox::valueChanged, this, &TAssessmentDialog::UpdateDecision);
  UpdateDecision();
}

PolicyEntry TAssessmentDialog::Entry() const {
  PolicyEntry entry{DateOf(*AssessmentDate), kComponents.at(static_cast<std::size_t>(ComponentChoice->currentIndex())),
                    std::nullopt};
  if (TestGroup->isChecked()) {
    FitnessTest test{DateOf(*TestDate), {}};
    for (std::size_t i = 0; i < kAftEventCount; ++i) test.points[i] = EventPoints[i]->value();
    entry.test = test;
  }
  return entry;
}

void TAssessmentDialog::UpdateDecision() {
  const PolicyEntry entry = Entry();
  FitnessTest sum{};
  for (std::size_t i = 0; i < kAftEventCount; ++i) sum.points[i] = EventPoints[i]->value();
  Total->setText(QStringLiteral("%1 points").arg(sum.Total()));
  Decision->setText(entry.test ? QString::fromStdString(DescribeExemption(
                                     DecideExemption(entry.test, entry.component, entry.date)))
                               : QStringLiteral("No fitness test: the tape is taken as usual."));
}
