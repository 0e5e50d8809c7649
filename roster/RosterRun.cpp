#include "roster/RosterRun.h"

#include "report/device/OutputFile.h"
#include "report/device/PdfExport.h"
#include "report/device/TsPrinter.h"
#include "roster/ConsoleProgress.h"
#include "roster/ResultsTable.h"
#include "roster/RosterColumns.h"
#include "roster/RosterError.h"
#include "roster/RosterFile.h"
#include "roster/SoldierRow.h"
#include "roster/WorksheetDocument.h"

#include <QFileInfo>

#include <memory>
#include <optional>

namespace {

RosterError OutputError(const OutputFileError& error) { return RosterError{0, error.reason, error.fileName}; }

// An output that names the roster would overwrite it, two outputs of one file would lose
// one of them: refused before anything is opened.
void CheckOutputsApart(const RosterJob& job) {
  const FileIdentity roster = FileIdentity::Of(job.roster);
  const FileIdentity results = FileIdentity::Of(job.results, DashMeans::StandardOutput);
  if (!job.results.isEmpty() && results == roster)
    throw RosterError{0, QStringLiteral("--results names the roster itself"), job.results};
  if (job.pdf.isEmpty()) return;
  const FileIdentity pdf = FileIdentity::Of(job.pdf);
  if (pdf == roster) throw RosterError{0, QStringLiteral("--pdf names the roster itself"), job.pdf};
  if (!job.results.isEmpty() && pdf == results)
    throw RosterError{0, QStringLiteral("--pdf and --results name the same file"), job.pdf};
}

// Opens the results file ("-": standard output), so that a path that cannot be written is
// known before any work is done; the PDF's path is checked then too.
std::unique_ptr<OutputFile> OpenOutputs(const RosterJob& job) {
  CheckOutputsApart(job);
  try {
    std::unique_ptr<OutputFile> results;
    if (!job.results.isEmpty()) {
      results = std::make_unique<OutputFile>(job.results, DashMeans::StandardOutput);
      results->Open();
    }
    if (!job.pdf.isEmpty()) OutputFile::Probe(job.pdf);
    return results;
  } catch (const OutputFileError& error) {
    throw OutputError(error);
  }
}

void Write(OutputFile& file, const QByteArray& bytes) {
  if (file.write(bytes) != bytes.size()) throw RosterError{0, file.errorString(), file.Name()};
}

// The roster's errors name the roster, those of its header the header's line too; an error
// of an output, met while the rows are read, keeps the output's name.
template <typename Step>
auto OnRoster(const QString& path, int line, Step step) {
  try {
    return step();
  } catch (RosterError& error) {
    if (error.file.isEmpty()) error.file = path;
    if (error.line == 0) error.line = line;
    throw;
  }
}

// The worksheets go into the page store for the preview, and straight into the PDF without it.
bool DrawsStraightToPdf(const RosterJob& job) { return !job.pdf.isEmpty() && !job.preview; }

// The rows of a roster after its header: each evaluated, reported and written to the results
// as it is read, and its worksheet appended while the device takes them.
class RowPass {
 public:
  RowPass(const RosterJob& job, TTsPrinter& device, OutputFile* results, std::ostream& errors)
      : job_(job), results_(results), errors_(errors), document_(device, QFileInfo(job.roster).fileName()),
        worksheets_(job.preview || !job.pdf.isEmpty()) {}

  void Take(const RosterRecord& record) {
    if (!header_) return ReadHeader(record);
    const SoldierRow row = EvaluateRow(*header_, record.values, today_);
    ++summary_.records;
    if (row.refusal) {
      ++summary_.refused;
      errors_ << QStringLiteral("%1:%2: %3: %4")
                     .arg(job_.roster)
                     .arg(record.line)
                     .arg(row.refusal->column, row.refusal->message)
                     .toStdString()
              << std::endl;
    } else {
      if (job_.accepted) job_.accepted->Take(*row.assessment);
      if (worksheets_ && !worksheetsStopped_) AppendWorksheet(row, record.line);
    }
    if (results_) Write(*results_, ResultsLine(record.line, row, shape_));
  }

  // Ends the worksheets once every row is read (a PDF drawn straight is put in place); throws
  // when the roster had no header row or the PDF cannot be written.
  void Finish() {
    if (!header_) throw RosterError{0, QStringLiteral("no first row naming the columns"), job_.roster};
    if (job_.accepted) job_.accepted->Finish();
    if (worksheetsStopped_) return;
    try {
      document_.Finish();
    } catch (const OutputFileError& error) {
      throw OutputError(error);
    }
  }

  const RosterSummary& Summary() const { return summary_; }
  // Why the device took no more worksheets; none when it took every one.
  const std::optional<RosterError>& WorksheetsStopped() const { return worksheetsStopped_; }

 private:
  void ReadHeader(const RosterRecord& first) {
    header_.emplace(OnRoster(job_.roster, first.line, [&first] { return RosterHeader(first.values); }));
    shape_ = ResultsShapeOf(*header_);
    if (results_) Write(*results_, ResultsStart() + ResultsHeaderLine(shape_));
  }

  // A results file starts with a byte-order mark for the spreadsheets that open it; results
  // on standard output go to another program, whose first column name it would spoil.
  QByteArray ResultsStart() const {
    return job_.results == QStringLiteral("-") ? QByteArray() : kResultsByteOrderMark.toByteArray();
  }

  // The page store holds at most 2 GB of pages (some 56,000 worksheets), and its temporary
  // file needs room on its disk. Once it takes no more, or a worksheet cannot be drawn on
  // the PDF, no worksheet document can be complete: it is given up, and the rows still go
  // on to the results. A PDF that cannot be written (a full disk) ends the run.
  void AppendWorksheet(const SoldierRow& row, int line) {
    try {
      document_.Append(*row.assessment);
    } catch (const OutputFileError& error) {
      throw OutputError(error);
    } catch (const TsPrintError& error) {
      const QString reason = QString::fromStdString(error.what());
      if (!DrawsStraightToPdf(job_)) {
        worksheetsStopped_.emplace(
            line,
            QStringLiteral("the page store takes no worksheet from this row on, so none is written or shown: %1")
                .arg(reason),
            job_.roster);
        return;
      }
      worksheetsStopped_.emplace(
          line, QStringLiteral("no worksheet can be drawn from this row on, so the PDF is not written: %1").arg(reason),
          job_.roster);
      document_.Abandon();  // its temporary file goes at once
    }
  }

  const RosterJob& job_;
  OutputFile* results_;
  std::ostream& errors_;
  WorksheetDocument document_;
  const bool worksheets_;
  std::optional<RosterHeader> header_;
  ResultsShape shape_;
  // The date of a row that names none: the day the run began.
  const CalendarDate today_ = Today();
  RosterSummary summary_;
  std::optional<RosterError> worksheetsStopped_;
};

// The stored worksheets exported as the PDF, probed before the work began.
void ExportWorksheets(const RosterJob& job, TTsPrinter& device, std::ostream& errors) {
  ConsoleProgress progress(errors, job.terminal, job.pdf, QStringLiteral("pages"), device.PageCount());
  try {
    ExportPdf(device, job.pdf, [&progress](int page, int) { progress.Show(page); });
  } catch (const OutputFileError& error) {
    throw OutputError(error);
  } catch (const TsPrintError& error) {
    throw RosterError{0, QString::fromStdString(error.what()), job.pdf};
  }
}

}  // namespace

RosterSummary RunRoster(const RosterJob& job, TTsPrinter& device, std::ostream& errors) {
  const std::unique_ptr<OutputFile> results = OpenOutputs(job);

  const std::unique_ptr<QFile> roster = OnRoster(job.roster, 0, [&job] { return OpenRosterFile(job.roster); });
  if (DrawsStraightToPdf(job)) {
    device.Destination = TsDestination::PdfFile;
    device.PdfFileName = job.pdf;
  }
  RowPass rows(job, device, results.get(), errors);
  {
    ConsoleProgress progress = ConsoleProgress::OfBytes(errors, job.terminal, job.roster, roster->size());
    OnRoster(job.roster, 0, [&] {
      ReadRoster(
          *roster, [&rows](const RosterRecord& record) { rows.Take(record); },
          [&progress](qint64 bytesRead) { progress.Show(bytesRead); });
    });
  }
  rows.Finish();

  if (!job.pdf.isEmpty() && !rows.WorksheetsStopped()) {
    if (device.PageCount() == 0)
      errors << QStringLiteral("corvane32: %1: no soldier accepted, no worksheet written").arg(job.pdf).toStdString()
             << std::endl;
    else if (!DrawsStraightToPdf(job))
      ExportWorksheets(job, device, errors);
  }
  if (results) {
    try {
      results->Commit();
    } catch (const OutputFileError& error) {
      throw OutputError(error);
    }
  }
  // The results are complete even when the worksheets are not: they are kept, and the run
  // fails without writing a document that lacks some soldiers.
  if (rows.WorksheetsStopped()) throw *rows.WorksheetsStopped();
  return rows.Summary();
}
