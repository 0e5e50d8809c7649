#include "worksheets/OneSiteWorksheet.h"

TOneSiteForm* OneSiteForm = nullptr;

TOneSiteForm::TOneSiteForm(QWidget* parent) : TWorksheetForm(QStringLiteral(":/worksheets/OneSite.json"), parent) {}
