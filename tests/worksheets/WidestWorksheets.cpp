#include "tests/worksheets/WidestWorksheets.h"

#include "report/device/TsPrinter.h"
#include "report/model/CustomReport.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/WorksheetFilling.h"

namespace {

WorksheetTexts Widest(WorksheetTexts texts) {
  for (LabelText& entry : texts) {
    if (entry.label == "Name") entry.text = QStringLiteral("MONTGOMERY-WHITFIELD, ALEXANDRA J");
    else if (entry.text.size() < 7) entry.text = QStringLiteral("-100.00");
  }
  return texts;
}

GenuinePage FirstPage(const QString& name, TWorksheetForm& sheet, const WorksheetTexts& texts) {
  FillWorksheet(sheet, Widest(texts));
  SetComplianceMarks(sheet, false);  // two marks of the three
  TTsPrinter device;
  device.Destination = TsDestination::PageStore;
  sheet.Report->CreateReportOn(device);
  const std::unique_ptr<QPicture> page = device.GetPage(1);
  return {name, page ? *page : QPicture()};
}

}  // namespace

std::vector<GenuinePage> WidestWorksheetPages() {
  TMaleForm male;
  TFemaleForm female;
  TOneSiteForm oneSite;
  return {FirstPage(QStringLiteral("men's worksheet"), male, MaleWorksheetTexts({}, {})),
          FirstPage(QStringLiteral("women's worksheet"), female, FemaleWorksheetTexts({}, {})),
          FirstPage(QStringLiteral("one-site worksheet"), oneSite, OneSiteWorksheetTexts({}, {}, {}))};
}
