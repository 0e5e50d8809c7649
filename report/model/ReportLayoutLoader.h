#pragma once
// Reads a stored report layout: a JSON document of component records (class, name,
// properties, children), with the report as the root record.

#include <QByteArray>

#include <memory>
#include <stdexcept>

class TCustomReport;
class TReport;

// A layout that cannot be loaded; the text names the component and property at fault.
class ReportLayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::unique_ptr<TReport> LoadReportLayout(const QByteArray& json);
// Fills a report that has no components yet.
void LoadReportLayout(TCustomReport& report, const QByteArray& json);
