#include "shell/CommandLine.h"

#include "report/device/PageStoreFormat.h"
#include "report/preview/PageFileDialogs.h"
#include "roster/RosterTemplate.h"
#include "roster/WrittenNames.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <iostream>

namespace {

const QString kCommand = QStringLiteral("corvane32");

// The first four bytes of every page file: the format word and the version word. The
// desktop's file-type database recognises page files by the same bytes.
bool BeginsWithPageFileHeader(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray start = file.read(4);
  return start.size() == 4 &&
         qFromLittleEndian<quint16>(start.constData()) == PageStoreFormat::kFormatWord &&
         qFromLittleEndian<quint16>(start.constData() + 2) == PageStoreFormat::kVersionWord;
}

bool IsPageFile(const QString& path) {
  return QFileInfo(path).suffix().compare(PageFileExtension, Qt::CaseInsensitive) == 0 ||
         BeginsWithPageFileHeader(path);
}

// The options of a roster run.
struct RosterOptions {
  QCommandLineOption roster{QStringLiteral("roster"),
                            QStringLiteral("The soldiers to assess: a CSV file whose first row names the columns."),
                            QStringLiteral("ROSTER.csv")};
  QCommandLineOption pdf{QStringLiteral("pdf"), QStringLiteral("Write every accepted soldier's worksheet to this PDF file."),
                         QStringLiteral("WORKSHEETS.pdf")};
  QCommandLineOption results{QStringLiteral("results"),
                             QStringLiteral("Write one results row per roster row to this CSV file\n"
                                            "(- for standard output)."),
                             QStringLiteral("RESULTS.csv")};
  void AddTo(QCommandLineParser& parser) const { parser.addOptions({roster, pdf, results}); }
};

CommandLineOptions UsageError(const QString& problem) {
  return {.request = CommandLineOptions::Request::UsageError,
          .text = QStringLiteral("%1: %2\nTry '%1 --help' for more information.").arg(kCommand, problem)};
}

const QString kRosterTemplate = QStringLiteral("roster-template");

// --roster-template takes its method as the next argument, which may be left out; so that
// "--roster-template=one-site" means the same, that form is split in two before parsing.
QStringList WithTemplateMethodApart(QStringList arguments) {
  const QString joined = QStringLiteral("--%1=").arg(kRosterTemplate);
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (!arguments[i].startsWith(joined)) continue;
    const QString method = arguments[i].mid(joined.size());
    arguments[i] = joined.chopped(1);
    arguments.insert(++i, method);
  }
  return arguments;
}

// The roster template of the method named after the option, multi-site when none is; the
// option stands alone, without any file or other option.
CommandLineOptions RosterTemplateRequest(const QStringList& methods, bool withRosterOptions) {
  if (withRosterOptions)
    return UsageError(QStringLiteral("--roster-template writes a roster to fill in; it takes no other option."));
  if (methods.size() > 1)
    return UsageError(QStringLiteral("--roster-template takes one method, not %1.").arg(methods.size()));
  const std::optional<TapeMethod> method =
      methods.isEmpty() ? TapeMethod::MultiSite : TapeMethodWritten(methods.first());
  if (!method)
    return UsageError(
        QStringLiteral("--roster-template takes one-site or multi-site, not \"%1\".").arg(methods.first()));
  return {.request = CommandLineOptions::Request::RosterTemplate,
          .text = QString::fromLatin1(RosterTemplate(*method))};
}

}  // namespace

bool PlatformNamed(const QStringList& arguments) {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || arguments.contains(QStringLiteral("-platform")) ||
         arguments.contains(QStringLiteral("--platform"));
}

bool AsksForFilesOnly(const QStringList& arguments) {
  QCommandLineParser parser;
  const RosterOptions options;
  options.AddTo(parser);
  // The application's own options are unknown here; the parser goes on past them.
  parser.parse(arguments);
  return parser.isSet(options.roster) && (parser.isSet(options.pdf) || parser.isSet(options.results));
}

QStringList WithoutWidgetOptions(const QStringList& arguments) {
  QStringList kept;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("-style") || argument == QStringLiteral("-stylesheet"))
      ++i;  // and its value
    else if (!argument.startsWith(QStringLiteral("-style=")) && !argument.startsWith(QStringLiteral("-stylesheet=")) &&
             argument != QStringLiteral("-widgetcount"))
      kept << argument;
  }
  return kept;
}

CommandLineOptions ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Corvane 32: body-fat assessment of the Army weight-control procedure (AR 600-9).\n"
                     "Without arguments it opens its wizard. Given a page file saved from its print\n"
                     "preview, it shows that file in the print preview and ends when the preview closes.\n"
                     "Given a roster (CSV, one soldier a row), it makes every soldier's worksheet and a\n"
                     "results table: written to files without any window, or, with neither --pdf nor\n"
                     "--results, shown in the print preview.\n"
                     "Given --history or --forget, it writes a soldier's assessments as CSV or deletes them.\n"
                     "Exit status: 0 done; 1 the page file refused, some roster rows refused (the others\n"
                     "are done), or no soldier recorded by that SSAN or name; 2 a usage error, a roster\n"
                     "that cannot be read, an output that cannot be written or records that cannot be\n"
                     "opened; 217 a table that cannot be loaded."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const RosterOptions rosterOptions;
  rosterOptions.AddTo(parser);
  const auto& [roster, pdf, results] = rosterOptions;
  const QCommandLineOption database(
      QStringLiteral("database"),
      QStringLiteral("The assessment records: an SQLite file, or a PostgreSQL database as "
                     "postgresql://user@host[:port]/dbname. Default: the settings' \"database\", "
                     "else $XDG_DATA_HOME/corvane32/assessments.sqlite."),
      QStringLiteral("PATH|URL"));
  const QCommandLineOption history(QStringLiteral("history"),
                                   QStringLiteral("Write the soldier's assessments, oldest first, as CSV to standard "
                                                  "output: by SSAN (nine digits) or by name."),
                                   QStringLiteral("ID"));
  const QCommandLineOption forget(QStringLiteral("forget"),
                                  QStringLiteral("Delete every assessment of the soldier: by SSAN or by name."),
                                  QStringLiteral("ID"));
  const QCommandLineOption record(QStringLiteral("record"),
                                  QStringLiteral("Record every accepted soldier of the roster in the assessment records."));
  parser.addOptions({database, history, forget, record});
  const QCommandLineOption rosterTemplate(
      kRosterTemplate, QStringLiteral("Write a roster to fill in to standard output: its header row and one "
                                      "example row. For the one-site method follow it with one-site "
                                      "(--roster-template one-site); without it, or with multi-site, for the "
                                      "multi-site method."));
  parser.addOption(rosterTemplate);
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A page file (.tsr) to show in the print preview."),
                               QStringLiteral("[file]"));

  const bool parsed = parser.parse(WithTemplateMethodApart(arguments));
  // Help and version are answered whatever else the line holds.
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    // The usage line names the command, however the program was started.
    QString text = parser.helpText();
    text.replace(0, text.indexOf(QStringLiteral(" [options]")), QStringLiteral("Usage: ") + kCommand);
    return {.request = CommandLineOptions::Request::Help, .text = text};
  }
  if (parser.isSet(version))
    return {.request = CommandLineOptions::Request::Version,
            .text = QStringLiteral("Corvane 32 %1\n").arg(QStringLiteral(CORVANE_VERSION))};
  if (!parsed) return UsageError(parser.errorText());

  // Given twice, one of the two would be dropped unseen.
  for (const QCommandLineOption& option : {roster, pdf, results, database, history, forget}) {
    if (parser.values(option).size() > 1)
      return UsageError(QStringLiteral("--%1 is given more than once.").arg(option.names().first()));
  }
  const QStringList files = parser.positionalArguments();
  if (parser.isSet(rosterTemplate)) {
    bool otherOption = false;
    for (const QCommandLineOption& option : {roster, pdf, results, database, history, forget, record})
      otherOption = otherOption || parser.isSet(option);
    return RosterTemplateRequest(files, otherOption);
  }
  if (parser.isSet(database) && parser.value(database).isEmpty())
    return UsageError(QStringLiteral("--database needs a file or a postgresql:// URL."));
  if (parser.isSet(history) || parser.isSet(forget)) {
    const QCommandLineOption& command = parser.isSet(history) ? history : forget;
    for (const QCommandLineOption& other : {roster, pdf, results, forget, record}) {
      if (other.names() != command.names() && parser.isSet(other))
        return UsageError(QStringLiteral("--%1 goes with no --%2.").arg(command.names().first(), other.names().first()));
    }
    if (!files.isEmpty()) return UsageError(QStringLiteral("--%1 opens no page file.").arg(command.names().first()));
    if (parser.value(command).trimmed().isEmpty())
      return UsageError(QStringLiteral("--%1 needs the soldier's SSAN or name.").arg(command.names().first()));
    CommandLineOptions options{.database = parser.value(database)};
    (parser.isSet(history) ? options.history : options.forget) = parser.value(command);
    return options;
  }
  if (parser.isSet(roster)) {
    if (!files.isEmpty()) return UsageError(QStringLiteral("a page file and a roster cannot be opened together."));
    if (parser.value(roster).isEmpty()) return UsageError(QStringLiteral("--roster needs the name of a roster file."));
    for (const QCommandLineOption& output : {pdf, results}) {
      if (parser.isSet(output) && parser.value(output).isEmpty())
        return UsageError(QStringLiteral("--%1 needs the name of a file.").arg(output.names().first()));
    }
    if (parser.value(pdf) == QStringLiteral("-"))
      return UsageError(QStringLiteral("--pdf needs the name of a file; only --results writes to standard output (-)."));
    return {.roster = parser.value(roster),
            .pdf = parser.value(pdf),
            .results = parser.value(results),
            .database = parser.value(database),
            .record = parser.isSet(record)};
  }
  if (parser.isSet(record)) return UsageError(QStringLiteral("--record needs a roster (--roster ROSTER.csv)."));
  for (const QCommandLineOption& output : {pdf, results}) {
    if (parser.isSet(output))
      return UsageError(QStringLiteral("--%1 needs a roster (--roster ROSTER.csv).").arg(output.names().first()));
  }
  if (files.size() > 1) return UsageError(QStringLiteral("one page file at a time, not %1.").arg(files.size()));
  if (files.isEmpty()) return {.database = parser.value(database)};
  if (!IsPageFile(files.first()))
    return UsageError(QStringLiteral("%1 is not a page file (.tsr); only page files saved from the print "
                                     "preview can be opened.").arg(files.first()));
  return {.pageFile = files.first(), .database = parser.value(database)};
}

int AnswerOnConsole(const CommandLineOptions& options) {
  if (options.request == CommandLineOptions::Request::UsageError) {
    std::cerr << options.text.toStdString() << std::endl;
    return kUsageErrorStatus;
  }
  std::cout << options.text.toStdString() << std::flush;
  return 0;
}
