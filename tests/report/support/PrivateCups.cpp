#include "tests/report/support/PrivateCups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>

namespace {

const char* const kGenericPdfDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";

bool WriteText(const QString& fileName, const QByteArray& text) {
  QFile file(fileName);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

QByteArray Tail(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll().right(2000) : QByteArray();
}

}  // namespace

PrivateCups::PrivateCups() { problem_ = Start(); }

PrivateCups::~PrivateCups() {
  if (cupsd_.state() == QProcess::NotRunning) return;
  cupsd_.terminate();  // SIGTERM to the scheduler's own process id
  if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
  cupsd_.waitForFinished(5000);
}

QString PrivateCups::Start() {
  const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
  if (cupsd.isEmpty()) return QStringLiteral("cupsd is not installed (Debian package cups-daemon)");
  QFile genericDriver(QString::fromLatin1(kGenericPdfDriver));
  if (!genericDriver.open(QIODevice::ReadOnly))
    return QStringLiteral("the generic PDF printer driver is missing (Debian package cups-filters)");
  if (!dir_.isValid()) return QStringLiteral("no temporary folder");
  // The filters run as an unprivileged user and must reach the spool inside.
  QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther | QFile::ReadOther |
                                         QFile::ExeGroup | QFile::ReadGroup);
  QDir root(dir_.path());
  for (const char* sub : {"etc/ppd", "spool", "cache", "state", "log", "out"}) root.mkpath(QString::fromLatin1(sub));

  // Without margins: stored pages stretched over the printable area land where generated
  // pages do, so the two can be compared pixel for pixel.
  QString driver = QString::fromLatin1(genericDriver.readAll());
  const QRegularExpression dimension(QStringLiteral(R"re(\*PaperDimension ([^/]+)/[^:]*: "([\d.]+) ([\d.]+)")re"));
  for (auto paper = dimension.globalMatch(driver); paper.hasNext();) {
    const QRegularExpressionMatch size = paper.next();
    driver.replace(QRegularExpression(QStringLiteral(R"re(\*ImageableArea %1/([^:]*): "[^"]*")re").arg(QRegularExpression::escape(size.captured(1)))),
                   QStringLiteral(R"re(*ImageableArea %1/\1: "0 0 %2 %3")re").arg(size.captured(1), size.captured(2), size.captured(3)));
  }
  driver += QStringLiteral("*HWMargins: \"0 0 0 0\"\n");
  QByteArray printers;
  for (const QString& queue : {kFirst, kSecond}) {
    if (!WriteText(dir_.filePath(QStringLiteral("etc/ppd/%1.ppd").arg(queue)), driver.toLatin1()))
      return QStringLiteral("the configuration cannot be written");
    const QByteArray kind = queue == kFirst ? "DefaultPrinter" : "Printer";
    printers += "<" + kind + " " + queue.toUtf8() + ">\nDeviceURI file://" + OutputFile(queue).toUtf8() +
                "\nState Idle\nAccepting Yes\nShared No\n</" + kind + ">\n";
  }
  const QByteArray socket = dir_.filePath(QStringLiteral("cups.sock")).toUtf8();
  const QByteArray conf = "Listen " + socket + "\nLogLevel warn\nBrowsing No\nDefaultAuthType None\n"
                          "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                          "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n";
  const QByteArray path = dir_.path().toUtf8();
  const group* own = getgrgid(getgid());
  const QByteArray files = "ServerRoot " + path + "/etc\nRequestRoot " + path + "/spool\nTempDir " + path +
                           "/spool\nCacheDir " + path + "/cache\nStateDir " + path + "/state\nErrorLog " + path +
                           "/log/error_log\nAccessLog " + path + "/log/access_log\nPageLog " + path +
                           "/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nFileDevice Yes\n"
                           "SystemGroup " + QByteArray(own ? own->gr_name : "root") + "\n";
  if (!WriteText(dir_.filePath(QStringLiteral("etc/printers.conf")), printers) ||
      !WriteText(dir_.filePath(QStringLiteral("etc/cupsd.conf")), conf) ||
      !WriteText(dir_.filePath(QStringLiteral("etc/cups-files.conf")), files))
    return QStringLiteral("the configuration cannot be written");

  cupsd_.setProgram(cupsd);
  cupsd_.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), dir_.filePath(QStringLiteral("etc/cupsd.conf")),
                       QStringLiteral("-s"), dir_.filePath(QStringLiteral("etc/cups-files.conf"))});
  cupsd_.setProcessChannelMode(QProcess::MergedChannels);
  cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  cupsd_.start();
  if (!cupsd_.waitForStarted()) return QStringLiteral("cupsd cannot be started: ") + cupsd_.errorString();
  qputenv("CUPS_SERVER", socket);
  cupsSetServer(socket.constData());

  const QDeadlineTimer deadline(20000);
  while (!deadline.hasExpired()) {
    if (cupsd_.state() == QProcess::NotRunning)
      return QStringLiteral("cupsd stopped: ") + QString::fromLocal8Bit(cupsd_.readAll() + Tail(dir_.filePath(QStringLiteral("log/error_log"))));
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cupsFreeDests(count, dests);
    if (count == 2) return {};
    QThread::msleep(50);
  }
  return QStringLiteral("cupsd does not answer: ") + QString::fromLocal8Bit(Tail(dir_.filePath(QStringLiteral("log/error_log"))));
}

QString PrivateCups::OutputFile(const QString& queue) const {
  return dir_.filePath(QStringLiteral("out/%1.pdf").arg(queue));
}

void PrivateCups::RemoveOutput() {
  for (const QString& queue : {kFirst, kSecond}) QFile::remove(OutputFile(queue));
}

QList<PrivateCups::Job> PrivateCups::Jobs() const {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
  QList<Job> list;
  for (int n = 0; n < count; ++n)
    list.append({jobs[n].id, QString::fromUtf8(jobs[n].dest), QString::fromUtf8(jobs[n].title),
                 jobs[n].state == IPP_JSTATE_COMPLETED});
  cupsFreeJobs(count, jobs);
  std::sort(list.begin(), list.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
  return list;
}

bool PrivateCups::WaitUntilIdle() const {
  const QDeadlineTimer deadline(60000);
  while (!deadline.hasExpired()) {
    cups_job_t* jobs = nullptr;
    const int active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(active, jobs);
    if (active == 0) return true;
    QThread::msleep(50);
  }
  return false;
}
