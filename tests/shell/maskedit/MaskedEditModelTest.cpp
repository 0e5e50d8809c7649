// The cell model and number reading, without widgets.

#include <QLocale>
#include <QTest>

#include "shell/maskedit/FieldNumbers.h"
#include "shell/maskedit/MaskedEditModel.h"

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
  void emptyFields_data() {
    QTest::addColumn<MaskFormat>("format");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ssan") << MaskFormat::Ssan << "   -  -    " << "___-__-____";
    QTest::newRow("two-digit") << MaskFormat::TwoDigit << "  " << "__";
    QTest::newRow("three-digit") << MaskFormat::ThreeDigit << "   " << "___";
    QTest::newRow("decimal") << MaskFormat::Decimal << "  .  " << "00.00";
  }
  void emptyFields() {
    QFETCH(MaskFormat, format);
    QFETCH(QString, fieldText);
    QFETCH(QString, shown);
    const MaskedEditModel model(format);
    QCOMPARE(model.FieldText(), fieldText);
    QCOMPARE(model.DisplayText(), shown);
    QVERIFY(!model.IsModified());
  }

  void typedDecimals_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::newRow("70.00") << "7000" << "70.00" << "70.00" << true << 70.0;
    QTest::newRow("60.50") << "6050" << "60.50" << "60.50" << true << 60.5;
    QTest::newRow("72 in the first two cells") << "72" << "72.  " << "72.00" << true << 72.0;
    QTest::newRow("point typed") << "68.25" << "68.25" << "68.25" << true << 68.25;
    QTest::newRow("5, point, 5") << "5.5" << "5 .5 " << "50.50" << false << 0.0;
    QTest::newRow("point first") << ".75" << "  .75" << "00.75" << true << 0.75;
    QTest::newRow("nothing typed") << "" << "  .  " << "00.00" << true << 0.0;
  }
  void typedDecimals() {
    QFETCH(QString, keys);
    QFETCH(QString, fieldText);
    QFETCH(QString, shown);
    QFETCH(bool, readable);
    QFETCH(double, value);
    MaskedEditModel model(MaskFormat::Decimal);
    QCOMPARE(Type(model, keys), 0);
    QCOMPARE(model.FieldText(), fieldText);
    QCOMPARE(model.DisplayText(), shown);
    const std::optional<double> read = ReadFieldDecimal(model.FieldText());
    QCOMPARE(read.has_value(), readable);
    if (readable) QCOMPARE(*read, value);
  }

  void weightCells() {
    MaskedEditModel first(MaskFormat::ThreeDigit);
    Type(first, "95");
    QCOMPARE(first.FieldText(), QStringLiteral("95 "));
    QVERIFY(!ReadFieldInteger(first.FieldText()));

    MaskedEditModel last(MaskFormat::ThreeDigit);
    last.PlaceCaret(1);
    Type(last, "95");
    QCOMPARE(last.FieldText(), QStringLiteral(" 95"));
    QCOMPARE(ReadFieldInteger(last.FieldText()), 95);
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

  void ssanFixedCharacters() {
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
