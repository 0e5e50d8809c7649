#include "roster/ConsoleProgress.h"

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ConsoleProgress::ConsoleProgress(std::ostream& out, bool terminal, const QString& what, const QString& unit,
                                 int total)
    : out_(out), terminal_(terminal), what_(what), unit_(unit), total_(total >= kShownFrom ? total : 0) {}

ConsoleProgress::~ConsoleProgress() {
  if (terminal_ && shownPercent_ >= 0) out_ << std::endl;
}

void ConsoleProgress::Show(int done) {
  if (total_ == 0) return;
  const int percent = static_cast<int>(100LL * done / total_);
  if (terminal_) {
    if (percent == shownPercent_) return;
    const int filled = kBarWidth * percent / 100;
    out_ << QStringLiteral("\rcorvane32: %1 [%2%3] %4% of %5 %6")
                .arg(what_, QString(filled, u'#'), QString(kBarWidth - filled, u' '))
                .arg(percent, 3)
                .arg(total_)
                .arg(unit_)
                .toStdString()
         << std::flush;
    shownPercent_ = percent;
    return;
  }
  const int tenths = percent / 10;
  if (tenths <= shownTenths_) return;
  shownTenths_ = tenths;
  out_ << QStringLiteral("corvane32: %1: %2% (%3 of %4 %5)")
              .arg(what_)
              .arg(tenths * 10)
              .arg(done)
              .arg(total_)
              .arg(unit_)
              .toStdString()
       << std::endl;
}
