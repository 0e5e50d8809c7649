#pragma once
// Progress of a long step on the error stream: on a terminal a bar redrawn in place, on
// anything else a line at every tenth, so a log gets ten lines however long the step.
// Short steps show nothing.

#include <QString>

#include <ostream>

class ConsoleProgress {
 public:
  // Steps of fewer items than this end too soon for progress to help.
  static constexpr int kShownFrom = 100;

  // `what` names the step in the lines ("roster.csv", "worksheets.pdf"); `unit` names its
  // items ("rows", "pages").
  ConsoleProgress(std::ostream& out, bool terminal, const QString& what, const QString& unit, int total);
  ~ConsoleProgress();
  ConsoleProgress(const ConsoleProgress&) = delete;
  ConsoleProgress& operator=(const ConsoleProgress&) = delete;

  // `done` items of the total are finished.
  void Show(int done);

 private:
  std::ostream& out_;
  const bool terminal_;
  const QString what_;
  const QString unit_;
  const int total_;
  int shownTenths_ = 0;
  int shownPercent_ = -1;
};
