#include "roster/WrittenNames.h"

QString LooseName(const QString& name) {
  QString loose = name.toCaseFolded();
  loose.removeIf([](QChar c) { return c.isSpace() || c == u'_' || c.category() == QChar::Punctuation_Dash; });
  return loose;
}

std::optional<TapeMethod> TapeMethodWritten(const QString& value) {
  const QString loose = LooseName(value);
  for (const TapeMethod method : {TapeMethod::MultiSite, TapeMethod::OneSite})
    if (loose == LooseName(TapeMethodText(method))) return method;
  return std::nullopt;
}

QString TapeMethodText(TapeMethod method) {
  const std::string_view name = TapeMethodName(method);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}
