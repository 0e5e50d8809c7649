#pragma once
// What must hold for the main window after any input: it is still open; exactly one
// wizard page is visible; the arrows agree with that page (data page: Previous disabled,
// Next enabled; measurement pages: both enabled; results page: Next disabled, Previous
// enabled); the results page shows only while every measurement field of the evaluated
// sex's page holds a measurement other than 0; no message box is left open; the focus, if
// any, is on a visible control; and no window has appeared besides those open at start and
// the message boxes.

#include <QList>
#include <QString>

class QWidget;
class TMainForm;

// The top-level windows that count for the last check (tool tips come and go).
QList<QWidget*> ProgramWindows();

// An empty string when everything holds, else what does not.
QString WizardViolation(const TMainForm& form, const QList<QWidget*>& windowsAtStart);

// The name of the visible wizard page, or an empty string when not exactly one is.
QString VisiblePageName(const TMainForm& form);
