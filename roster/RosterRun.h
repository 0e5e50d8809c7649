#pragma once
// A roster from start to end: every record evaluated as the wizard evaluates a soldier, the
// results file written as the records go, and each accepted soldier's worksheet appended to
// one document on the device: drawn straight into the PDF, or kept in the device's page
// store for the preview.

#include <QString>

#include <ostream>

class TTsPrinter;
struct Assessment;

// Is given each accepted soldier's assessment as the rows are read (to record it), and told
// once the last row is read, before the outputs are put in place. Its exceptions end the run
// as an output's do.
class AcceptedSoldiers {
 public:
  virtual ~AcceptedSoldiers() = default;
  virtual void Take(const Assessment& assessment) = 0;
  virtual void Finish() = 0;
};

struct RosterJob {
  QString roster;           // the roster file, as named on the command line
  QString pdf;              // empty: no PDF
  QString results;          // empty: no results file
  bool terminal = false;    // the error stream is a terminal (progress as a bar)
  // The worksheets stay in the device's page store for the caller to show; a PDF asked for
  // as well is exported from there once all are stored. Without the preview the PDF's pages
  // are drawn straight into it.
  bool preview = false;
  AcceptedSoldiers* accepted = nullptr;  // none: the accepted soldiers go nowhere else
};

struct RosterSummary {
  int records = 0;
  int refused = 0;
};

// Runs the job. Refused records are reported on `errors` as "ROSTER:LINE: COLUMN: message"
// and in the results; long rosters show progress there too. The worksheets are made only
// for the PDF or the preview; for the preview the device holds them afterwards (no document
// when no record was accepted). Both outputs are written as OutputFile writes them: a file is replaced
// only once complete and made owner-only when new; a FIFO or device is written in place;
// results "-" go to standard output. Throws RosterError when the roster cannot be used, an
// output names the roster or both name one file (refused before anything is written), or
// an output cannot be written.
RosterSummary RunRoster(const RosterJob& job, TTsPrinter& device, std::ostream& errors);
