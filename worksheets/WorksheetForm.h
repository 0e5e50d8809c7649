#pragma once
// The common part of the worksheets: an object that owns the report component `Report`,
// built from a stored layout, and finds its elements by name. It has no window; the print
// preview shows its report.

#include "report/model/Report.h"

#include <QObject>
#include <QString>

class TWorksheetForm : public QObject {
  Q_OBJECT
 public:
  // The worksheet's report; every band, label and line of the layout belongs to it.
  TReport* const Report;

  // An element of the layout by name; null when there is none.
  TTsComponent* Element(const QString& name) const;
  // A label of the layout by name; a missing label is a programming error (std::logic_error).
  TTsLabel& Label(const QString& name) const;
  TTsBand& Band(const QString& name) const;

 protected:
  // Loads the layout stored in the given resource.
  TWorksheetForm(const QString& layoutResource, QObject* parent);
};
