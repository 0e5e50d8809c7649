#include "report/model/LayoutValues.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

std::string Describe(const QJsonValue& value) {
  switch (value.type()) {
    case QJsonValue::Null: return "null";
    case QJsonValue::Bool: return "a boolean";
    case QJsonValue::Double: return "a number";
    case QJsonValue::String: return "a text";
    case QJsonValue::Array: return "a list";
    case QJsonValue::Object: return "an object";
    case QJsonValue::Undefined: return "nothing";
  }
  return "an unknown value";
}

[[noreturn]] void Expected(const char* what, const QJsonValue& value) {
  throw LayoutValueError(std::string("expected ") + what + ", found " + Describe(value));
}

const QJsonArray& RequireArray(const QJsonValue& value, QJsonArray& storage) {
  if (!value.isArray()) Expected("a list", value);
  storage = value.toArray();
  return storage;
}

}  // namespace

bool ReadBool(const QJsonValue& value) {
  if (!value.isBool()) Expected("true or false", value);
  return value.toBool();
}

int ReadInt(const QJsonValue& value) {
  if (!value.isDouble()) Expected("a whole number", value);
  const double number = value.toDouble();
  if (number != std::floor(number) || number < std::numeric_limits<int>::min() ||
      number > std::numeric_limits<int>::max()) {
    Expected("a whole number", value);
  }
  return static_cast<int>(number);
}

QString ReadString(const QJsonValue& value) {
  if (!value.isString()) Expected("a text", value);
  return value.toString();
}

QStringList ReadStrings(const QJsonValue& value) {
  QJsonArray array;
  QStringList texts;
  for (const QJsonValue& item : RequireArray(value, array)) texts.append(ReadString(item));
  return texts;
}

std::vector<long double> ReadFloats(const QJsonValue& value) {
  QJsonArray array;
  std::vector<long double> numbers;
  for (const QJsonValue& item : RequireArray(value, array)) {
    if (!item.isDouble()) Expected("a list of numbers", value);
    numbers.push_back(item.toDouble());
  }
  return numbers;
}

QColor ReadColor(const QJsonValue& value) {
  static const EnumNames<QRgb> kNames = {
      {"clBlack", 0x000000}, {"clMaroon", 0x800000}, {"clGreen", 0x008000},
      {"clOlive", 0x808000}, {"clNavy", 0x000080},   {"clPurple", 0x800080},
      {"clTeal", 0x008080},  {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
      {"clRed", 0xFF0000},   {"clLime", 0x00FF00},   {"clYellow", 0xFFFF00},
      {"clBlue", 0x0000FF},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0x00FFFF},
      {"clWhite", 0xFFFFFF}, {"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080},
      {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xA6CAF0}, {"clCream", 0xFFFBF0},
      {"clMedGray", 0xA4A0A0}};
  const QString text = ReadString(value);
  static const QRegularExpression kHex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
  if (kHex.match(text).hasMatch()) return QColor(text);
  return QColor(ReadEnum(value, kNames));
}

Qt::PenStyle ReadPenStyle(const QJsonValue& value) {
  return ReadEnum<Qt::PenStyle>(value, {{"psSolid", Qt::SolidLine},
                                        {"psDash", Qt::DashLine},
                                        {"psDot", Qt::DotLine},
                                        {"psDashDot", Qt::DashDotLine},
                                        {"psDashDotDot", Qt::DashDotDotLine},
                                        {"psClear", Qt::NoPen},
                                        {"psInsideFrame", Qt::SolidLine}});
}

Qt::BrushStyle ReadBrushStyle(const QJsonValue& value) {
  return ReadEnum<Qt::BrushStyle>(value, {{"bsSolid", Qt::SolidPattern},
                                          {"bsClear", Qt::NoBrush},
                                          {"bsHorizontal", Qt::HorPattern},
                                          {"bsVertical", Qt::VerPattern},
                                          {"bsFDiagonal", Qt::FDiagPattern},
                                          {"bsBDiagonal", Qt::BDiagPattern},
                                          {"bsCross", Qt::CrossPattern},
                                          {"bsDiagCross", Qt::DiagCrossPattern}});
}
