#pragma once
// Typed reading of stored layout property values. A value of the wrong type or an unknown
// name throws LayoutValueError, which the loader completes with component and property.

#include <QColor>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <stdexcept>
#include <utility>
#include <vector>

class LayoutValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool ReadBool(const QJsonValue& value);
int ReadInt(const QJsonValue& value);
QString ReadString(const QJsonValue& value);
QStringList ReadStrings(const QJsonValue& value);
std::vector<long double> ReadFloats(const QJsonValue& value);
// A colour by name (clBlack, clWhite, clAqua, ...) or as "#RRGGBB".
QColor ReadColor(const QJsonValue& value);
Qt::PenStyle ReadPenStyle(const QJsonValue& value);
Qt::BrushStyle ReadBrushStyle(const QJsonValue& value);

template <typename E>
using EnumNames = std::initializer_list<std::pair<const char*, E>>;

// An enumeration value by its stored name.
template <typename E>
E ReadEnum(const QJsonValue& value, EnumNames<E> names) {
  const QString name = ReadString(value);
  for (const auto& [text, item] : names) {
    if (name == QLatin1String(text)) return item;
  }
  throw LayoutValueError("unknown value \"" + name.toStdString() + "\"");
}
