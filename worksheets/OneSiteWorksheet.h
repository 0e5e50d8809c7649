#pragma once
// The one-site tape method's worksheet: an object that owns the worksheet's report.
// It claims no official form number; its print jobs are named after it. Its elements are
// reached by name (Label, Element).

#include "worksheets/WorksheetForm.h"

class TOneSiteForm : public TWorksheetForm {
  Q_OBJECT
 public:
  explicit TOneSiteForm(QObject* parent = nullptr);
};

// The one one-site worksheet, created at start-up.
extern TOneSiteForm* OneSiteForm;
