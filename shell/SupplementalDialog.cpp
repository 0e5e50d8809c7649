#include "shell/SupplementalDialog.h"

#include "shell/Controls.h"
#include "shell/IsoDateEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr std::array kMethods = {SupplementalMethod::Dxa, SupplementalMethod::Bia, SupplementalMethod::Adp};

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

TSupplementalDialog::TSupplementalDialog(const std::optional<SupplementalResult>& result, CalendarDate date,
                                         QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("SupplementalDialog"));
  setWindowTitle(QStringLiteral("Supplemental assessment"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  MethodChoice = new QComboBox(this);
  MethodChoice->setObjectName(QStringLiteral("MethodChoice"));
  for (SupplementalMethod method : kMethods) MethodChoice->addItem(Text(SupplementalMethodLongName(method)));
  form->addRow(QStringLiteral("&Method:"), MethodChoice);
  BodyFat = new QLineEdit(this);
  BodyFat->setObjectName(QStringLiteral("BodyFat"));
  // Keys that can make a reading; whether the text is one the standards' rule decides.
  BodyFat->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}(\\.[0-9]?)?")), BodyFat));
  BodyFat->setPlaceholderText(QStringLiteral("23.4"));
  form->addRow(QStringLiteral("&Body fat (%):"), BodyFat);
  ResultDate = NewIsoDateEdit(this, result ? result->date : date);
  ResultDate->setObjectName(QStringLiteral("ResultDate"));
  form->addRow(QStringLiteral("&Date:"), ResultDate);
  if (result) {
    MethodChoice->setCurrentIndex(static_cast<int>(result->method));
    BodyFat->setText(QString::fromStdString(FormatBodyFatTenths(result->bodyFatTenths)));
  }
  Reading = new QLabel(this);
  Reading->setObjectName(QStringLiteral("Reading"));
  layout->addWidget(Reading);

  Buttons = NewOkCancelButtons(this);
  layout->addWidget(Buttons);
  connect(BodyFat, &QLineEdit::textChanged, this, &TSupplementalDialog::UpdateReading);
  UpdateReading();
}

std::optional<SupplementalResult> TSupplementalDialog::Result() const {
  const std::optional<int32_t> tenths = ParseBodyFatTenths(BodyFat->text().toStdString());
  if (!tenths) return std::nullopt;
  return SupplementalResult{kMethods.at(static_cast<std::size_t>(MethodChoice->currentIndex())), *tenths,
                            DateOf(*ResultDate)};
}

void TSupplementalDialog::UpdateReading() {
  const bool readable = Result().has_value();
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(readable);
  Reading->setText(readable ? QString()
                            : QStringLiteral("The body fat is a percentage above 0 and under 100 with at most one "
                                             "decimal: 23.4"));
}
