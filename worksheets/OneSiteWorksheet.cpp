#include "worksheets/OneSiteWorksheet.h"

TOneSiteForm* OneSiteForm = nullptr;

TOneSiteForm::TOneSiteForm(QObject* parent) : TWorksheetForm(QStringLiteral(":/worksheets/OneSite.json"), parent) {
  // Its print jobs go by the worksheet's name, as the forms' go by their numbers.
  Report->PrintJobName = QStringLiteral("Body Fat Worksheet (One-Site Tape Method)");
}
