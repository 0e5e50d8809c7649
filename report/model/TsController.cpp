#include "report/model/TsController.h"

#include "report/model/CustomReport.h"
#include "report/model/TsBand.h"

void TTsController::Execute(TCustomReport& report) {
  m_detail = report.BandOfType(TTsBandType::rbDetail);
  m_title = report.BandOfType(TTsBandType::rbTitle);
  m_summary = report.BandOfType(TTsBandType::rbSummary);
  m_printIfEmpty = report.PrintIfEmpty;
  if (!m_printIfEmpty) return;
  for (TTsBand* band : {m_title, m_detail, m_summary}) {
    if (band != nullptr) report.PrintBand(*band);
  }
}
