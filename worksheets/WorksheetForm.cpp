#include "worksheets/WorksheetForm.h"

#include "report/model/ReportLayoutLoader.h"

#include <QFile>

#include <stdexcept>

namespace {

QByteArray ReadLayout(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly))
    throw std::logic_error("The worksheet layout " + resource.toStdString() + " is missing.");
  return file.readAll();
}

[[noreturn]] void Missing(const char* kind, const QString& name) {
  throw std::logic_error(std::string("The worksheet has no ") + kind + " named \"" +
                         name.toStdString() + "\".");
}

}  // namespace

// The layouts are compiled into this static library; the resource must be registered
// from global scope.
static void InitLayoutResources() { Q_INIT_RESOURCE(layouts); }

TWorksheetForm::TWorksheetForm(const QString& layoutResource, QObject* parent)
    : QObject(parent), Report(new TReport(this)) {
  InitLayoutResources();
  LoadReportLayout(*Report, ReadLayout(layoutResource));
}

TTsComponent* TWorksheetForm::Element(const QString& name) const {
  return Report->FindComponent(name);
}

TTsLabel& TWorksheetForm::Label(const QString& name) const {
  TTsLabel* label = Report->FindLabel(name);
  if (label == nullptr) Missing("label", name);
  return *label;
}

TTsBand& TWorksheetForm::Band(const QString& name) const {
  TTsBand* band = Report->FindBand(name);
  if (band == nullptr) Missing("band", name);
  return *band;
}
