#pragma once
// The report class that layouts instantiate.

#include "report/model/CustomReport.h"
#include "report/model/TsBand.h"
#include "report/model/TsLabel.h"
#include "report/model/TsShape.h"

class TReport : public TCustomReport {
  Q_OBJECT
 public:
  using TCustomReport::TCustomReport;
};
