#include "tests/quality/WizardInvariants.h"

#include "shell/BevelPanel.h"
#include "shell/MainForm.h"
#include "shell/maskedit/MaskedEdit.h"

#include <QApplication>
#include <QMessageBox>
#include <QToolButton>

QList<QWidget*> ProgramWindows() {
  QList<QWidget*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->windowType() != Qt::ToolTip) windows << widget;
  return windows;
}

QString VisiblePageName(const TMainForm& form) {
  QStringList visible;
  for (QWidget* page : {form.MainPanel, form.MalePanel, form.FemalePanel, form.ResultsPanel})
    if (!page->isHidden()) visible << page->objectName();
  return visible.size() == 1 ? visible.first() : QString();
}

QString WizardViolation(const TMainForm& form, const QList<QWidget*>& windowsAtStart) {
  if (!form.isVisible()) return QStringLiteral("the main window has closed");

  const QString page = VisiblePageName(form);
  if (page.isEmpty()) return QStringLiteral("not exactly one wizard page is visible");

  const bool next = form.Next->isEnabled();
  const bool previous = form.Previous->isEnabled();
  const bool consistent = page == QLatin1String("MainPanel")      ? next && !previous
                          : page == QLatin1String("ResultsPanel") ? !next && previous
                                                                  : next && previous;
  if (!consistent)
    return QStringLiteral("on %1 Next is %2 and Previous is %3")
        .arg(page, QLatin1String(next ? "enabled" : "disabled"), QLatin1String(previous ? "enabled" : "disabled"));

  // A result rests on a measurement in every field of the evaluated page: an untouched
  // field or a 0 is refused before any result is shown.
  if (page == QLatin1String("ResultsPanel")) {
    const QWidget* measured = form.SelectedSex() == TMainForm::FemaleItem ? form.FemalePanel : form.MalePanel;
    for (const TMaskedEdit* field : measured->findChildren<TMaskedEdit*>())
      if (ReadFieldDecimal(field->FieldText()).value_or(0) == 0)
        return QStringLiteral("results are shown although %1 holds \"%2\"").arg(field->objectName(), field->FieldText());
  }

  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<QMessageBox*>(window) != nullptr && window->isVisible())
      return QStringLiteral("a message box is still open: ") + static_cast<QMessageBox*>(window)->text();

  if (QWidget* focus = QApplication::focusWidget(); focus != nullptr && !focus->isVisible())
    return QStringLiteral("the focus is on %1, which is not visible").arg(focus->objectName());

  for (QWidget* window : ProgramWindows())
    if (!windowsAtStart.contains(window) && qobject_cast<QMessageBox*>(window) == nullptr)
      return QStringLiteral("a new window appeared: %1 \"%2\"")
          .arg(QLatin1String(window->metaObject()->className()), window->windowTitle());
  return {};
}
