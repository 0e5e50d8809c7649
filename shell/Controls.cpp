#include "shell/Controls.h"

#include "shell/maskedit/MaskedEdit.h"

#include <QDialog>
#include <QDialogButtonBox>

QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QFont PointFont(const QString& family, int points, bool bold) {
  QFont font(family, points);
  font.setBold(bold);
  return font;
}

QLabel* NewLabel(QWidget* parent, const QString& text, QPoint pos) {
  auto* label = new QLabel(parent);
  label->move(pos);
  SetLabelText(label, text);
  return label;
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

QGroupBox* NewGroupBox(QWidget* parent, const QString& caption, const QRect& geometry) {
  auto* box = new QGroupBox(caption, parent);
  box->setGeometry(geometry);
  box->setStyleSheet(QStringLiteral("QGroupBox { border: 2px groove palette(mid); margin-top: 6px; }"
                                    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
  return box;
}

TMaskedEdit* NewMeasurementField(QWidget* parent, QPoint pos, const QString& name) {
  auto* field = new TMaskedEdit(MaskFormat::Decimal, parent);
  field->setGeometry(QRect(pos, QSize(41, 21)));
  field->setObjectName(name);
  return field;
}

QPushButton* NewPictureButton(QWidget* page, const QString& caption, const QRect& geometry, const QString& name) {
  auto* button = new QPushButton(caption, page);
  button->setGeometry(geometry);
  button->setToolTip(QStringLiteral("Press here to view picture"));
  button->setFocusPolicy(Qt::ClickFocus);
  button->setObjectName(name);
  return button;
}

QDialogButtonBox* NewOkCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}
