#pragma once
// Progress of a long step on the error stream: on a terminal a bar redrawn in place, on
// anything else a line at every tenth, so a log gets ten lines however long the step.
// Short steps show nothing. A step counts its items (pages) or, when it reads a file whose
// items are not known ahead, the file's bytes read.

#include <QString>

#include <ostream>

class ConsoleProgress {
 public:
  // Steps of fewer items, or of fewer bytes (some hundred roster rows), than this end too
  // soon for progress to help.
  static constexpr int kShownFrom = 100;
  static constexpr qint64 kShownFromBytes = 10000;

  // `what` names the step in the lines ("roster.csv", "worksheets.pdf"); `unit` names its
  // items ("pages").
  ConsoleProgress(std::ostream& out, bool terminal, const QString& what, const QString& unit, int total);
  // A step that reads a file of `totalBytes`.
  static ConsoleProgress OfBytes(std::ostream& out, bool terminal, const QString& what, qint64 totalBytes);
  ~ConsoleProgress();
  ConsoleProgress(const ConsoleProgress&) = delete;
  ConsoleProgress& operator=(const ConsoleProgress&) = delete;

  // `done` items (or bytes) of the total are finished.
  void Show(qint64 done);

 private:
  ConsoleProgress(std::ostream& out, bool terminal, const QString& what, const QString& unit, qint64 total,
                  qint64 shownFrom);
  QString Amount(qint64 amount) const;

  std::ostream& out_;
  const bool terminal_;
  const QString what_;
  const QString unit_;  // empty: bytes
  const qint64 total_;  // 0: nothing shown
  int shownTenths_ = 0;
  int shownPercent_ = -1;
};
