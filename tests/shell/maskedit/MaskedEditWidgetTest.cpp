// The masked fields driven by key clicks in a small window: Name, Age, Weight, Height,
// a button.

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "shell/maskedit/MaskedEdit.h"
#include "tests/shell/support/MessageBoxWatcher.h"

namespace {

const QString kInvalidInput = QStringLiteral("Invalid input value.  Use escape key to abandon changes.");

struct DataWindow {
  DataWindow() {
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* control : std::initializer_list<QWidget*>{name, age, weight, height, button}) {
      layout->addWidget(control);
    }
    button->setFocusPolicy(Qt::StrongFocus);
    window.show();
    window.activateWindow();
  }

  QWidget window;
  QLineEdit* name = new QLineEdit;
  TMaskedEdit* age = new TMaskedEdit(MaskFormat::TwoDigit);
  TMaskedEdit* weight = new TMaskedEdit(MaskFormat::ThreeDigit);
  TMaskedEdit* height = new TMaskedEdit(MaskFormat::Decimal);
  QPushButton* button = new QPushButton("Check");
};

// Tabs from the control before `field` into it, as an operator does.
void TabInto(QWidget* field) {
  QWidget* before = field->previousInFocusChain();
  before->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(before, Qt::Key_Tab);
  QVERIFY(field->hasFocus());
}

}  // namespace

class FieldWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<DataWindow>();
    QVERIFY(QTest::qWaitForWindowActive(&form_->window));
  }
  void cleanup() { form_.reset(); }

  void typedNumbersAreRead() {
    TabInto(form_->height);
    QTest::keyClicks(form_->height, "7000");
    QCOMPARE(ReadFieldDecimal(form_->height->FieldText()), 70.0);

    TabInto(form_->height);
    QTest::keyClicks(form_->height, "6050");
    QCOMPARE(form_->height->text(), QStringLiteral("60.50"));
    QCOMPARE(ReadFieldDecimal(form_->height->FieldText()), 60.5);

    TabInto(form_->height);  // all selected: typing starts afresh
    QTest::keyClicks(form_->height, "72");
    QCOMPARE(form_->height->text(), QStringLiteral("72.00"));
    QCOMPARE(ReadFieldDecimal(form_->height->FieldText()), 72.0);

    TabInto(form_->height);
    QTest::keyClicks(form_->height, "5.5");
    QCOMPARE(form_->height->FieldText(), QStringLiteral("5 .5 "));
    QVERIFY(!ReadFieldDecimal(form_->height->FieldText()));

    TabInto(form_->weight);
    QTest::keyClicks(form_->weight, "95");
    QCOMPARE(form_->weight->FieldText(), QStringLiteral("95 "));
    QVERIFY(!ReadFieldInteger(form_->weight->FieldText()));
    TabInto(form_->weight);
    QTest::keyClick(form_->weight, Qt::Key_Delete);
    QTest::keyClick(form_->weight, Qt::Key_Right);
    QTest::keyClicks(form_->weight, "95");
    QCOMPARE(form_->weight->text(), QStringLiteral("_95"));
    QCOMPARE(ReadFieldInteger(form_->weight->FieldText()), 95);
  }

  void refusedKeyBeepsAndChangesNothing() {
    TabInto(form_->weight);
    QTest::keyClicks(form_->weight, "1");
    QSignalSpy beeps(form_->weight, &TMaskedEdit::Beeped);
    QTest::keyClicks(form_->weight, "x");
    QGuiApplication::clipboard()->setText("x");  // a paste is typed through the cells too
    QTest::keyClick(form_->weight, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form_->weight->FieldText(), QStringLiteral("1  "));
    QCOMPARE(form_->weight->cursorPosition(), 1);
    QCOMPARE(beeps.count(), 2);
    QCOMPARE(form_->weight->text(), QStringLiteral("1__"));
  }

  // A single digit in Age, then Tab: the stop box, no exit check, the caret on the
  // empty cell. Escape then abandons the change and the field can be left.
  void incompleteRequiredCellsKeepTheFocus() {
    MessageBoxWatcher boxes;
    QSignalSpy exits(form_->age, &TMaskedEdit::Exited);
    TabInto(form_->age);
    QTest::keyClicks(form_->age, "4");
    QTest::keyClick(form_->age, Qt::Key_Tab);

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.boxes()[0].title, QStringLiteral("Corvane 32"));
    QCOMPARE(boxes.boxes()[0].text, kInvalidInput);
    QCOMPARE(boxes.boxes()[0].icon, QMessageBox::Critical);
    QCOMPARE(exits.count(), 0);
    QTRY_VERIFY(form_->age->hasFocus());
    QCOMPARE(form_->age->cursorPosition(), 1);

    QTest::keyClick(form_->age, Qt::Key_Return);  // Enter checks the same way
    QCOMPARE(boxes.count(), 2);
    QTRY_VERIFY(form_->age->hasFocus());

    QTest::keyClick(form_->age, Qt::Key_Escape);
    QCOMPARE(form_->age->FieldText(), QStringLiteral("  "));
    QTest::keyClick(form_->age, Qt::Key_Tab);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(exits.count(), 1);
    QVERIFY(form_->weight->hasFocus());
  }

  // Escape after a full paste abandons it and leaves the caret on the first cell, so the
  // digits typed next land in the field.
  void typingGoesOnAfterEscape() {
    TabInto(form_->height);
    QGuiApplication::clipboard()->setText("7000");
    QTest::keyClick(form_->height, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form_->height->text(), QStringLiteral("70.00"));
    QTest::keyClick(form_->height, Qt::Key_Escape);
    QCOMPARE(form_->height->FieldText(), QStringLiteral("  .  "));
    QTest::keyClicks(form_->height, "6550");
    QCOMPARE(form_->height->FieldText(), QStringLiteral("65.50"));
  }

  void untouchedOrSetFieldsPassUnchecked() {
    MessageBoxWatcher boxes;
    QSignalSpy exits(form_->age, &TMaskedEdit::Exited);
    TabInto(form_->age);
    QTest::keyClick(form_->age, Qt::Key_Tab);
    QCOMPARE(exits.count(), 1);

    form_->age->SetFieldText("4 ");  // set, not typed: not checked either
    TabInto(form_->age);
    QTest::keyClick(form_->age, Qt::Key_Tab);
    QCOMPARE(exits.count(), 2);
    QCOMPARE(boxes.count(), 0);
  }

  // Another window taking the focus is not leaving the field.
  void windowSwitchIsNotLeaving() {
    MessageBoxWatcher boxes;
    QSignalSpy exits(form_->age, &TMaskedEdit::Exited);
    TabInto(form_->age);
    QTest::keyClicks(form_->age, "4");

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form_->window));

    QCOMPARE(boxes.count(), 0);
    QCOMPARE(exits.count(), 0);
    QVERIFY(form_->age->hasFocus());
  }

  // The owner's exit check shows its box and puts the focus back; the window gets its
  // activation back only afterwards. The field is entered again and checked again.
  void ownerPuttingTheFocusBack() {
    MessageBoxWatcher boxes;
    QSignalSpy weightExits(form_->weight, &TMaskedEdit::Exited);
    QSignalSpy heightExits(form_->height, &TMaskedEdit::Exited);
    QObject::connect(form_->weight, &TMaskedEdit::Exited, form_->weight, [this] {
      QMessageBox::information(&form_->window, "Corvane 32", "Weight is a required Field!");
      form_->weight->setFocus();
    });
    for (int attempt = 1; attempt <= 2; ++attempt) {
      form_->window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&form_->window));
      QTRY_VERIFY(form_->weight->hasFocus() || attempt == 1);
      QCoreApplication::processEvents();  // what happens before any real key arrives
      if (attempt == 1) TabInto(form_->weight);
      QTest::keyClick(form_->weight, Qt::Key_Tab);
      QCOMPARE(weightExits.count(), attempt);
      QCOMPARE(boxes.count(), attempt);
    }
    QCOMPARE(heightExits.count(), 0);
  }

  // The focus only passing through a field while its window comes back is not entering it.
  void passingThroughOnActivation() {
    QSignalSpy exits(form_->height, &TMaskedEdit::Exited);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(form_->height, &in);
    QCoreApplication::sendEvent(form_->height, &out);
    QTest::qWait(10);
    QCOMPARE(exits.count(), 0);
  }

 private:
  std::unique_ptr<DataWindow> form_;
};

int RunFieldWidgetTests(int argc, char** argv) {
  FieldWidgetTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MaskedEditWidgetTest.moc"
