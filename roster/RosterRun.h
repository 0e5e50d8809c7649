#pragma once
// A roster from start to end: every record evaluated as the wizard evaluates a soldier, the
// results file written as the records go, each accepted soldier's worksheet appended to one
// document on the device, and that document exported as PDF when asked.

#include <QString>

#include <ostream>

class TTsPrinter;

struct RosterJob {
  QString roster;           // the roster file, as named on the command line
  QString pdf;              // empty: no PDF
  QString results;          // empty: no results file
  bool terminal = false;    // the error stream is a terminal (progress as a bar)
  bool preview = false;     // the worksheets stay on the device for the caller to show
};

struct RosterSummary {
  int records = 0;
  int refused = 0;
};

// Runs the job. Refused records are reported on `errors` as "ROSTER:LINE: COLUMN: message"
// and in the results; long rosters show progress there too. The worksheets are made only
// for the PDF or the preview; the device holds them afterwards (no document when no record
// was accepted). Both outputs are written as OutputFile writes them: a file is replaced
// only once complete and made owner-only when new; a FIFO or device is written in place;
// results "-" go to standard output. Throws RosterError when the roster cannot be used, an
// output names the roster or both name one file (refused before anything is written), or
// an output cannot be written.
RosterSummary RunRoster(const RosterJob& job, TTsPrinter& device, std::ostream& errors);
