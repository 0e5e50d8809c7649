// The cell model and number reading, without widgets.

#include <QLocale>
#include <QTest>
#include <tuple>

#include "entry/FieldNumbers.h"
#include "entry/MaskedEditModel.h"

Q_DECLARE_METATYPE(MaskFormat)

namespace {

// Types every character of `keys` from the caret; returns how many were refused.
int Type(MaskedEditModel& model, const QString& keys) {
  int refused = 0;
  for (const QChar key : keys) {
    if (!model.TypeKey(key)) ++refused;
  }
  return refused;
}

}  // namespace

class FieldModelTest : public QObject {
  Q_OBJECT

 private slots:
  void emptyFields() {
    const std::tuple<MaskFormat, const char*, const char*> formats[] = {
        {MaskFormat::Ssan, "   -  -    ", "___-__-____"},
        {MaskFormat::TwoDigit, "  ", "__"},
        {MaskFormat::ThreeDigit, "   ", "___"},
        {MaskFormat::Decimal, "  .  ", "00.00"}};
    for (const auto& [format, fieldText, shown] : formats) {
      const MaskedEditModel model(format);
      QCOMPARE(model.FieldText(), QString(fieldText));
      QCOMPARE(model.DisplayText(), QString(shown));
    }
  }

  // A refused key leaves cells, caret and the changed state as they were.
  void refusedKeys_data() {
    QTest::addColumn<MaskFormat>("format");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("key");
    QTest::newRow("letter") << MaskFormat::TwoDigit << "1" << "a";
    QTest::newRow("blank") << MaskFormat::ThreeDigit << "1" << " ";
    QTest::newRow("non-ASCII digit") << MaskFormat::TwoDigit << "" << QString(QChar(0x0663));
    QTest::newRow("dash in a decimal") << MaskFormat::Decimal << "1" << "-";
    QTest::newRow("point after the point") << MaskFormat::Decimal << "12.3" << ".";
    QTest::newRow("point in the SSAN") << MaskFormat::Ssan << "12" << ".";
    QTest::newRow("digit past the last cell") << MaskFormat::TwoDigit << "12" << "3";
  }
  void refusedKeys() {
    QFETCH(MaskFormat, format);
    QFETCH(QString, before);
    QFETCH(QString, key);
    MaskedEditModel model(format);
    model.SetFieldText(QString());
    Type(model, before);
    model.SetFieldText(model.FieldText());  // unchanged from here on
    const QString text = model.FieldText();
    const int caret = model.Caret();
    QVERIFY(!model.TypeKey(key.front()));
    QCOMPARE(model.FieldText(), text);
    QCOMPARE(model.Caret(), caret);
    QVERIFY(!model.IsModified());
  }

  void fixedCharacters() {
    // The point typed after the digits before it, or first, or not at all.
    for (const auto& [keys, text] : {std::pair{"68.25", "68.25"}, {".75", "  .75"}, {"", "  .  "}}) {
      MaskedEditModel decimal(MaskFormat::Decimal);
      QCOMPARE(Type(decimal, keys), 0);
      QCOMPARE(decimal.FieldText(), QString(text));
    }
    QCOMPARE(ReadFieldDecimal("  .75"), 0.75);
    QCOMPARE(ReadFieldDecimal("  .  "), 0.0);

    MaskedEditModel model(MaskFormat::Ssan);
    Type(model, "123456789");
    QCOMPARE(model.FieldText(), QStringLiteral("123-45-6789"));

    MaskedEditModel jumping(MaskFormat::Ssan);
    QVERIFY(jumping.TypeKey('-'));
    QCOMPARE(jumping.Caret(), 4);
    Type(jumping, "1-2");
    QCOMPARE(jumping.FieldText(), QStringLiteral("   -1 -2   "));

    // Backspace right after a dash empties the digit before it; Delete on a dash empties
    // the digit after it; the dashes stay.
    model.PlaceCaret(4);
    model.Backspace();
    QCOMPARE(model.FieldText(), QStringLiteral("12 -45-6789"));
    QCOMPARE(model.Caret(), 2);
    model.PlaceCaret(6);
    model.Delete();
    QCOMPARE(model.FieldText(), QStringLiteral("12 -45- 789"));

    // Arrow keys step over the dashes.
    model.PlaceCaret(2);
    model.MoveRight();
    QCOMPARE(model.Caret(), 4);
    model.MoveLeft();
    QCOMPARE(model.Caret(), 2);
  }

  void selectionIsEmptiedBeforeTyping() {
    MaskedEditModel model(MaskFormat::Decimal);
    model.SetFieldText("68.25");
    model.Select(0, 5);
    QVERIFY(model.TypeKey('7'));
    QCOMPARE(model.FieldText(), QStringLiteral("7 .  "));
    model.Select(0, 5);
    model.Delete();
    QCOMPARE(model.FieldText(), QStringLiteral("  .  "));
  }

  void requiredCells() {
    MaskedEditModel age(MaskFormat::TwoDigit);
    QCOMPARE(age.FirstEmptyRequiredCell(), 0);
    Type(age, "4");
    QCOMPARE(age.FirstEmptyRequiredCell(), 1);
    Type(age, "2");
    QCOMPARE(age.FirstEmptyRequiredCell(), std::nullopt);

    MaskedEditModel ssan(MaskFormat::Ssan);
    Type(ssan, "12345");
    QCOMPARE(ssan.FirstEmptyRequiredCell(), 7);

    QCOMPARE(MaskedEditModel(MaskFormat::ThreeDigit).FirstEmptyRequiredCell(), std::nullopt);
    QCOMPARE(MaskedEditModel(MaskFormat::Decimal).FirstEmptyRequiredCell(), std::nullopt);
  }

  void escapeRestoresTheEntryContent() {
    MaskedEditModel model(MaskFormat::Decimal);
    model.SetFieldText("72.50");
    model.BeginEditing();
    model.PlaceCaret(0);
    QVERIFY(model.TypeKey('7'));  // the same digit again is no change
    QVERIFY(!model.IsModified());
    QVERIFY(!model.RestoreOnEscape());

    Type(model, "1");
    model.Backspace();
    model.Backspace();
    QCOMPARE(model.FieldText(), QStringLiteral("  .50"));
    QVERIFY(model.IsModified());
    QVERIFY(model.RestoreOnEscape());
    QCOMPARE(model.FieldText(), QStringLiteral("72.50"));
    QVERIFY(!model.IsModified());
  }

  void integers() {
    QCOMPARE(ReadFieldInteger(" 17"), 17);
    QCOMPARE(ReadFieldInteger("000"), 0);
    QCOMPARE(ReadFieldInteger(" -5"), -5);
    for (const char* unreadable : {"", "  ", "1 ", "4 2", "+", "1a", "99999999999"}) {
      QVERIFY2(!ReadFieldInteger(unreadable), unreadable);
    }
  }

  // An untouched measurement reads as 0: it is refused like an unreadable one.
  void measurementsMustBeGiven() {
    for (const char* refused : {"  .  ", "00.00", "0 .  ", "1 .50", "     "}) {
      const MeasurementReading reading = ReadMeasurement(refused);
      QVERIFY2(!reading.value, refused);
      QCOMPARE(reading.refusal, QStringLiteral("This is a required Field!"));
    }
    QCOMPARE(ReadMeasurement("00.25").value, 0.25);
    QCOMPARE(ReadMeasurement("15.00").value, 15.0);
    QVERIFY(ReadMeasurement("15.00").refusal.isEmpty());
  }

  void decimalsIgnoreTheLocale() {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::optional<double> value = ReadFieldDecimal("60.50");
    const std::optional<double> comma = ReadFieldDecimal("60,50");
    QLocale::setDefault(saved);
    QCOMPARE(value, 60.5);
    QVERIFY(!comma);
    QVERIFY(!ReadFieldDecimal("     "));
    QVERIFY(!ReadFieldDecimal("1.2.3"));
  }
};

int RunFieldModelTests(int argc, char** argv) {
  FieldModelTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MaskedEditModelTest.moc"
