#pragma once
// Runs the printing of a report's bands for one pass. The reports of this program have no
// data set: the title, detail and summary bands print once each, in that order.

class TCustomReport;
class TTsBand;

class TTsController {
 public:
  // Takes the report's detail, title and summary bands afresh and prints them when the
  // report prints even without data.
  void Execute(TCustomReport& report);

 private:
  TTsBand* m_title = nullptr;
  TTsBand* m_detail = nullptr;
  TTsBand* m_summary = nullptr;
  bool m_printIfEmpty = true;
};
