#include "roster/ConsoleProgress.h"

#include <QLocale>

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ConsoleProgress::ConsoleProgress(std::ostream& out, bool terminal, const QString& what, const QString& unit,
                                 int total)
    : ConsoleProgress(out, terminal, what, unit, total, kShownFrom) {}

ConsoleProgress ConsoleProgress::OfBytes(std::ostream& out, bool terminal, const QString& what, qint64 totalBytes) {
  return ConsoleProgress(out, terminal, what, QString(), totalBytes, kShownFromBytes);
}

ConsoleProgress::ConsoleProgress(std::ostream& out, bool terminal, const QString& what, const QString& unit,
                                 qint64 total, qint64 shownFrom)
    : out_(out), terminal_(terminal), what_(what), unit_(unit), total_(total >= shownFrom ? total : 0) {}

ConsoleProgress::~ConsoleProgress() {
  if (terminal_ && shownPercent_ >= 0) out_ << std::endl;
}

// "250 pages", or a size in bytes as "117.2 MB".
QString ConsoleProgress::Amount(qint64 amount) const {
  if (unit_.isEmpty()) return QLocale::c().formattedDataSize(amount, 1, QLocale::DataSizeSIFormat);
  return QStringLiteral("%1 %2").arg(amount).arg(unit_);
}

void ConsoleProgress::Show(qint64 done) {
  if (total_ == 0) return;
  const int percent = static_cast<int>(100 * done / total_);
  if (terminal_) {
    if (percent == shownPercent_) return;
    const int filled = kBarWidth * percent / 100;
    out_ << QStringLiteral("\rcorvane32: %1 [%2%3] %4% of %5")
                .arg(what_, QString(filled, u'#'), QString(kBarWidth - filled, u' '))
                .arg(percent, 3)
                .arg(Amount(total_))
                .toStdString()
         << std::flush;
    shownPercent_ = percent;
    return;
  }
  const int tenths = percent / 10;
  if (tenths <= shownTenths_) return;
  shownTenths_ = tenths;
  const QString amounts = unit_.isEmpty() ? QStringLiteral("%1 of %2").arg(Amount(done), Amount(total_))
                                          : QStringLiteral("%1 of %2 %3").arg(done).arg(total_).arg(unit_);
  out_ << QStringLiteral("corvane32: %1: %2% (%3)").arg(what_).arg(tenths * 10).arg(amounts).toStdString()
       << std::endl;
}
