#include "tests/quality/RandomOperator.h"

#include "shell/AppWindows.h"
#include "shell/BevelPanel.h"
#include "shell/MainForm.h"
#include "shell/maskedit/MaskedEdit.h"
#include "shell/pictures/Forearm.h"
#include "shell/pictures/Hips.h"
#include "shell/pictures/Neck.h"
#include "shell/pictures/Waist.h"
#include "shell/pictures/Wrist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

struct NamedKey {
  int key;
  const char* name;
  bool shift;
};

constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Tab, "Tab", false},          {Qt::Key_Backtab, "Shift+Tab", true}, {Qt::Key_Return, "Enter", false},
    {Qt::Key_Escape, "Escape", false},    {Qt::Key_Backspace, "Backspace", false},
    {Qt::Key_Delete, "Delete", false},    {Qt::Key_Left, "Left", false},        {Qt::Key_Right, "Right", false},
    {Qt::Key_Up, "Up", false},            {Qt::Key_Down, "Down", false},        {Qt::Key_Home, "Home", false},
    {Qt::Key_End, "End", false}};

// The values an operator might type into the number fields, by field name.
struct Range {
  const char* prefix;
  double low;
  double high;
};

constexpr Range kPlausibleRanges[] = {{"Height", 58, 80}, {"MNeck", 12, 20},  {"Waist", 26, 46}, {"Hips", 30, 48},
                                      {"Arm", 8, 14},     {"FNeck", 11, 16},  {"Wrist", 5, 8}};

QList<TPictureWindow*> PictureWindows() { return {MaleNeck, MaleAbdomen, FemHips, FemWrist, FemArm}; }

}  // namespace

RandomOperator::RandomOperator(TMainForm& form, std::uint32_t seed) : form_(form), random_(seed) {}

int RandomOperator::Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

QString RandomOperator::Act() {
  const int roll = Below(100);
  if (roll < 55) return PressKey();
  if (roll < 82) return ClickControl();
  if (roll < 92) return TypePlausibleValue();
  if (roll < 95) return FillVisiblePage();
  return UsePictureWindow();
}

// --- delivering input ---------------------------------------------------------------------

// Clicks a random point of widget through its window, as the window system would deliver
// it; a window that is not active is activated first, as the window manager does.
void RandomOperator::Click(QWidget* widget) {
  QWidget* window = widget->window();
  if (QApplication::activeWindow() != window) {
    window->activateWindow();
    QCoreApplication::processEvents();
  }
  const QPoint inside(1 + Below(std::max(1, widget->width() - 2)), 1 + Below(std::max(1, widget->height() - 2)));
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(window, inside));
  ++events_;
}

void RandomOperator::Key(QWidget* window, int key, bool shift) {
  QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
  ++events_;
}

QWidget* RandomOperator::KeyWindow() const {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : &form_;
}

// --- actions ------------------------------------------------------------------------------

QString RandomOperator::PressKey() {
  QWidget* window = KeyWindow();
  const QString where = QStringLiteral(" in ") + window->objectName();
  const int kind = Below(20);
  if (kind < 7) {
    const char digit = static_cast<char>('0' + Below(10));
    Key(window, Qt::Key_0 + (digit - '0'));
    return QStringLiteral("key ") + QLatin1Char(digit) + where;
  }
  if (kind < 9) {
    const char letter = static_cast<char>('A' + Below(26));
    Key(window, Qt::Key_A + (letter - 'A'), Below(2) == 0);
    return QStringLiteral("key ") + QLatin1Char(letter) + where;
  }
  if (kind < 11) {
    const bool point = Below(2) == 0;
    Key(window, point ? Qt::Key_Period : Qt::Key_Minus);
    return QStringLiteral("key ") + QLatin1Char(point ? '.' : '-') + where;
  }
  const NamedKey& named = kNamedKeys[Below(static_cast<int>(std::size(kNamedKeys)))];
  // Enter presses the focused push button, and the operator never presses Quit or Print Form.
  const QWidget* focus = QApplication::focusWidget();
  if (named.key == Qt::Key_Return && (focus == form_.Quit || focus == form_.PrintButton)) {
    Key(window, Qt::Key_Tab);
    return QStringLiteral("key Tab (not Enter on ") + focus->objectName() + QLatin1Char(')') + where;
  }
  Key(window, named.key, named.shift);
  return QStringLiteral("key ") + QLatin1String(named.name) + where;
}

QString RandomOperator::ClickControl() {
  const QList<QWidget*> controls = ClickableControls();
  if (controls.isEmpty()) return PressKey();
  QWidget* control = Pick(controls);
  Click(control);
  return QStringLiteral("click ") + control->objectName() + QLatin1Char(' ') + control->metaObject()->className();
}

QString RandomOperator::TypePlausibleValue() {
  const QList<QWidget*> fields = TextFields();
  if (fields.isEmpty()) return PressKey();
  QWidget* field = Pick(fields);
  const QString keys = PlausibleKeys(field);
  TypeInto(field, keys);
  return QStringLiteral("type ") + keys + QStringLiteral(" into ") + field->objectName();
}

QString RandomOperator::FillVisiblePage() {
  QStringList typed;
  for (QWidget* field : TextFields()) {
    const QString keys = PlausibleKeys(field);
    TypeInto(field, keys);
    typed << field->objectName() + QLatin1Char('=') + keys;
  }
  if (VisiblePage() == form_.MainPanel) {
    QRadioButton* sex = Below(2) == 0 ? form_.SexMale : form_.SexFemale;
    Click(sex);
    typed << sex->text();
  }
  return QStringLiteral("fill ") + typed.join(QLatin1Char(' '));
}

QString RandomOperator::UsePictureWindow() {
  const QList<QWidget*> open = VisiblePictureWindows();
  if (open.isEmpty()) return ClickControl();
  auto* window = static_cast<TPictureWindow*>(Pick(open));
  switch (Below(3)) {
    case 0:
      Click(window->Image1);
      return QStringLiteral("click picture ") + window->windowTitle();
    case 1:
      window->activateWindow();
      QCoreApplication::processEvents();
      return PressKey();
    default:
      window->close();  // its close box
      QCoreApplication::processEvents();
      return QStringLiteral("close picture ") + window->windowTitle();
  }
}

void RandomOperator::TypeInto(QWidget* field, const QString& keys) {
  Click(field);
  QWidget* window = field->window();
  Key(window, Qt::Key_Home);
  // A plain field is replaced by selecting its text; a masked field is typed over.
  if (qobject_cast<TMaskedEdit*>(field) == nullptr) Key(window, Qt::Key_End, true);
  for (const QChar c : keys) {
    const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A');
    Key(window, key, c.isUpper());
  }
}

QString RandomOperator::DecimalKeys(double low, double high) {
  const int whole = static_cast<int>(low) + Below(static_cast<int>(high - low) + 1);
  static constexpr int kQuarters[] = {0, 25, 50, 75};
  const int hundredths = Below(3) == 0 ? Below(100) : kQuarters[Below(4)];
  return QStringLiteral("%1%2").arg(whole, 2, 10, QLatin1Char('0')).arg(hundredths, 2, 10, QLatin1Char('0'));
}

QString RandomOperator::PlausibleKeys(QWidget* field) {
  auto digits = [this](int count) {
    QString keys;
    for (int i = 0; i < count; ++i) keys += QChar('0' + Below(10));
    return keys;
  };
  auto letters = [this](int count) {
    QString keys;
    for (int i = 0; i < count; ++i) keys += QChar('A' + Below(26));
    return keys;
  };
  const QString name = field->objectName();
  if (field == form_.Name) return letters(3 + Below(10));
  if (field == form_.Rank) return letters(3);
  if (field == form_.SSANumber) return digits(9);
  if (field == form_.Age) return QString::number(17 + Below(45));
  if (field == form_.Weight) return QString::number(100 + Below(180));
  for (const Range& range : kPlausibleRanges)
    if (name.startsWith(QLatin1String(range.prefix))) return DecimalKeys(range.low, range.high);
  return digits(4);
}

// --- what is on screen --------------------------------------------------------------------

QWidget* RandomOperator::VisiblePage() const {
  for (QWidget* page : {form_.MainPanel, form_.MalePanel, form_.FemalePanel, form_.ResultsPanel})
    if (page->isVisible()) return page;
  return nullptr;
}

// Fields, radio buttons, the arrows, Check Screening Table and the picture headings of the
// visible page, whether enabled or not; never Quit or Print Form.
QList<QWidget*> RandomOperator::ClickableControls() const {
  QList<QWidget*> controls;
  for (QAbstractButton* button : form_.findChildren<QAbstractButton*>())
    if (button->isVisible() && button != form_.Quit && button != form_.PrintButton) controls << button;
  controls << TextFields();
  return controls;
}

QList<QWidget*> RandomOperator::TextFields() const {
  QList<QWidget*> fields;
  for (QLineEdit* field : form_.findChildren<QLineEdit*>())
    if (field->isVisible()) fields << field;
  return fields;
}

QList<QWidget*> RandomOperator::VisiblePictureWindows() const {
  QList<QWidget*> open;
  for (TPictureWindow* window : PictureWindows())
    if (window != nullptr && window->isVisible()) open << window;
  return open;
}
