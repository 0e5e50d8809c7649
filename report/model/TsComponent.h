#pragma once
// A named part of a report (a band or a printable item). Every component belongs to one
// report, which owns it and finds it by name.

#include <QString>

class TCustomReport;

class TTsComponent {
 public:
  TTsComponent(TCustomReport& report, QString name) : m_report(report), m_name(std::move(name)) {}
  virtual ~TTsComponent() = default;
  TTsComponent(const TTsComponent&) = delete;
  TTsComponent& operator=(const TTsComponent&) = delete;

  const QString& Name() const { return m_name; }
  TCustomReport& Report() const { return m_report; }

  // Runs once the stored properties of a layout are in.
  virtual void Loaded() {}
  // The report's zoom changed: pixel bounds and pixel measurements follow.
  virtual void ZoomChanged() {}

 private:
  TCustomReport& m_report;
  QString m_name;
};
