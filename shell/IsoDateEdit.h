#pragma once
// A date field written the ISO way (2026-03-02), with a calendar to pick the date from.

#include "standards/CalendarDate.h"

class QDateEdit;
class QWidget;

QDateEdit* NewIsoDateEdit(QWidget* parent, CalendarDate date);
// The field's date.
CalendarDate DateOf(const QDateEdit& edit);
