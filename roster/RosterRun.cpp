#include "roster/RosterRun.h"

#include "report/device/OutputFile.h"
#include "report/device/TsPrinter.h"
#include "report/preview/PdfExport.h"
#include "roster/ConsoleProgress.h"
#include "roster/ResultsTable.h"
#include "roster/RosterColumns.h"
#include "roster/RosterError.h"
#include "roster/RosterFile.h"
#include "roster/SoldierRow.h"
#include "roster/WorksheetDocument.h"

#include <QFileInfo>

#include <memory>

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

RosterRecords ReadRecords(const QString& path) {
  try {
    RosterRecords records = ReadRosterFile(path);
    if (records.empty()) throw RosterError{0, QStringLiteral("no first row naming the columns")};
    return records;
  } catch (RosterError& error) {
    error.file = path;
    throw;
  }
}

RosterHeader ReadHeader(const QString& path, const RosterRecord& first) {
  try {
    return RosterHeader(first.values);
  } catch (RosterError& error) {
    error.file = path;
    error.line = first.line;
    throw;
  }
}

// The page store holds at most 2 GB of pages (some 30,000 worksheets); past that the run
// cannot go on.
void AppendWorksheet(WorksheetDocument& document, const SoldierRow& row, const QString& roster, int line) {
  try {
    document.Append(row);
  } catch (const TsPrintError& error) {
    throw RosterError{line, QString::fromStdString(error.what()), roster};
  }
}

void ExportWorksheets(const RosterJob& job, TTsPrinter& device, std::ostream& errors) {
  if (device.PageCount() == 0) {
    errors << QStringLiteral("corvane32: %1: no soldier accepted, no worksheet written").arg(job.pdf).toStdString()
           << std::endl;
    return;
  }
  // Probed before the work began; written now that every page is in the store.
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

  const RosterRecords records = ReadRecords(job.roster);
  const RosterHeader header = ReadHeader(job.roster, records.front());
  const bool withMethod = header.Has("method");
  if (results) Write(*results, ResultsHeaderLine(withMethod));

  const bool worksheets = job.preview || !job.pdf.isEmpty();
  RosterSummary summary;
  {
    WorksheetDocument document(device, QFileInfo(job.roster).fileName());
    ConsoleProgress progress(errors, job.terminal, job.roster, QStringLiteral("rows"),
                             static_cast<int>(records.size() - 1));
    for (std::size_t i = 1; i < records.size(); ++i) {
      const RosterRecord& record = records[i];
      const SoldierRow row = EvaluateRow(header, record.values);
      ++summary.records;
      if (row.refusal) {
        ++summary.refused;
        errors << QStringLiteral("%1:%2: %3: %4")
                      .arg(job.roster)
                      .arg(record.line)
                      .arg(row.refusal->column, row.refusal->message)
                      .toStdString()
               << std::endl;
      } else if (worksheets) {
        AppendWorksheet(document, row, job.roster, record.line);
      }
      if (results) Write(*results, ResultsLine(record.line, row, withMethod));
      progress.Show(summary.records);
    }
    document.Finish();
  }

  if (!job.pdf.isEmpty()) ExportWorksheets(job, device, errors);
  if (results) {
    try {
      results->Commit();
    } catch (const OutputFileError& error) {
      throw OutputError(error);
    }
  }
  return summary;
}
