// Filling the worksheets: every printed label of a reference man and woman, and the choice
// of worksheet by the sex item's text.

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/WorksheetFilling.h"

#include <QTest>

namespace {

using Expected = QList<QPair<QString, QString>>;

DataPageTexts ReferencePage(const QString& sex) {
  DataPageTexts page;
  page.Name = QStringLiteral("SMITH, JOHN Q");
  page.SSANumber = QStringLiteral("123-45-6789");
  page.Rank = QStringLiteral("SGT");
  page.Age = QStringLiteral("24");
  page.Height = QStringLiteral("68.65");  // printed as typed, not brought to the quarter inch
  page.Weight = QStringLiteral("182");
  page.Sex = sex;
  return page;
}

TSoldierData ReferenceMan() {
  TSoldierData data;
  data.Height = 68.75;
  data.Weight = 182;
  data.Waist = {34.5, 35.0, 34.75};
  data.MNeck = {15.5, 15.75, 15.5};
  data.AvgWaist = 34.75;
  data.AvgNeck = 15.5;
  data.AbdNeckFactor = 30.0;
  data.HeightFactor = 12.5;
  data.BodyFat = 17.5;
  data.MaxBodyFat = 22;
  data.MaxWeight = 190;
  return data;
}

TSoldierData ReferenceWoman() {
  TSoldierData data;
  data.Height = 64.5;
  data.Weight = 130;
  data.Hips = {38.25, 38.5, 38.25};
  data.Arm = {9.5, 9.75, 9.75};
  data.FNeck = {13.0, 13.25, 13.0};
  data.Wrist = {6.25, 6.0, 6.25};
  data.AvgHips = 38.25;
  data.AvgArm = 9.75;
  data.AvgNeck = 13.0;
  data.AvgWrist = 6.25;
  data.WeightFactor = 150.85;
  data.HipFactor = 21.5;
  data.HeightFactor = 90.125;
  data.ForearmFactor = 34.1;
  data.NeckFactor = 20.2;
  data.WristFactor = 4.0;
  data.BodyFat = 23.925;
  data.MaxBodyFat = 32;
  data.MaxWeight = 140;
  return data;
}

void CheckCaptions(const TWorksheetForm& sheet, const Expected& expected) {
  for (const auto& [label, text] : expected) {
    if (sheet.Label(label).Caption() != text)
      QFAIL(qPrintable(QStringLiteral("%1 holds \"%2\", expected \"%3\"")
                           .arg(label, sheet.Label(label).Caption(), text)));
  }
}

}  // namespace

class FillingTest : public QObject {
  Q_OBJECT
 private slots:
  void referenceMan() {
    TMaleForm male;
    TFemaleForm female;
    TWorksheetForm& filled = FillSelectedWorksheet({ReferencePage("Male"), ReferenceMan()}, male, female);
    QCOMPARE(&filled, static_cast<TWorksheetForm*>(&male));
    const Expected expected = {
        {"Name", "SMITH, JOHN Q"}, {"SSANumber", "123-45-6789"}, {"Rank", "SGT"},
        {"Age", "24"}, {"Height", "68.65"}, {"Weight", "182"},
        {"Abs1", "34.50"}, {"Abs2", "35.00"}, {"Abs3", "34.75"}, {"Abs", "34.75"},
        {"AvgAbs", "34.75"}, {"MNeck1", "15.50"}, {"MNeck2", "15.75"}, {"MNeck3", "15.50"},
        {"MNeck", "15.50"}, {"AvgNeck", "15.50"}, {"ANFactor", "30.00"}, {"HFactor", "12.50"},
        {"Total1", "19.25"}, {"BFC", "17.50"}, {"ABFC", "17.50"}, {"AWeight", "182 lbs."},
        {"MaxBFC", "22.00"}, {"MaxWeight", "190 lbs."}};
    QCOMPARE(MaleWorksheetTexts(ReferencePage("Male"), ReferenceMan()).size(), size_t(24));
    CheckCaptions(male, expected);
    // The female worksheet keeps its design texts.
    QCOMPARE(female.Label("Name").Caption(), QStringLiteral("Name"));
  }

  void referenceWoman() {
    TMaleForm male;
    TFemaleForm female;
    TWorksheetForm& filled =
        FillSelectedWorksheet({ReferencePage("Female"), ReferenceWoman()}, male, female);
    QCOMPARE(&filled, static_cast<TWorksheetForm*>(&female));
    const Expected expected = {
        {"Name", "SMITH, JOHN Q"}, {"SSANumber", "123-45-6789"}, {"Rank", "SGT"},
        {"Age", "24"}, {"Height", "68.65"}, {"Weight", "182"},
        {"Hips1", "38.25"}, {"Hips2", "38.50"}, {"Hips3", "38.25"}, {"Hips", "38.25"},
        {"Arm1", "9.50"}, {"Arm2", "9.75"}, {"Arm3", "9.75"}, {"Arm", "9.75"},
        {"FNeck1", "13.00"}, {"FNeck2", "13.25"}, {"FNeck3", "13.00"}, {"FNeck", "13.00"},
        {"Wrist1", "6.25"}, {"Wrist2", "6.00"}, {"Wrist3", "6.25"}, {"Wrist", "6.25"},
        {"WFactor", "150.85"}, {"HFactor", "21.50"}, {"HtFactor", "90.13"}, {"FFactor", "34.10"},
        {"NFactor", "20.20"}, {"WrFactor", "4.00"}, {"Total1", "172.35"}, {"Total2", "148.43"},
        {"ActualBFC", "23.93"}};
    QCOMPARE(FemaleWorksheetTexts(ReferencePage("Female"), ReferenceWoman()).size(), size_t(31));
    CheckCaptions(female, expected);
    QCOMPARE(male.Label("Name").Caption(), QStringLiteral("Name"));
  }

  // The totals are formed at print time from the stored factors; line 11I is the stored
  // body fat, not 11C - 11H again.
  void totalsAndDifferenceFormedAtPrintTime() {
    TSoldierData man = ReferenceMan();
    man.AvgWaist = 14.75;
    man.AvgNeck = 15.5;
    man.BodyFat = -3.5;
    const WorksheetTexts male = MaleWorksheetTexts(ReferencePage("Male"), man);
    QCOMPARE(male[18].label, QStringLiteral("Total1"));
    QCOMPARE(male[18].text, QStringLiteral("-0.75"));
    QCOMPARE(male[19].text, QStringLiteral("-3.50"));

    TSoldierData woman = ReferenceWoman();
    woman.BodyFat = 99.0;
    const WorksheetTexts female = FemaleWorksheetTexts(ReferencePage("Female"), woman);
    QCOMPARE(female[30].label, QStringLiteral("ActualBFC"));
    QCOMPARE(female[30].text, QStringLiteral("99.00"));
  }

  // A weight typed into the last two cells keeps its leading blank on both labels; the
  // record's whole pounds are not used for the worksheet.
  void weightTextAsTheFieldReportsIt() {
    TMaleForm male;
    TFemaleForm female;
    DataPageTexts page = ReferencePage("Male");
    page.Weight = QStringLiteral(" 95");
    TSoldierData data = ReferenceMan();
    data.Weight = 95;
    data.MaxWeight = 0;
    FillSelectedWorksheet({page, data}, male, female);
    QCOMPARE(male.Weight.Caption(), QStringLiteral(" 95"));
    QCOMPARE(male.AWeight.Caption(), QStringLiteral(" 95 lbs."));
    QCOMPARE(male.MaxWeight.Caption(), QStringLiteral("0 lbs."));
  }

  // Any item text other than exactly "Female" selects the male worksheet.
  void onlyExactlyFemaleSelectsTheFemaleWorksheet() {
    for (const QString sex : {"Male", "female", "Female ", ""}) {
      TMaleForm male;
      TFemaleForm female;
      QCOMPARE(&FillSelectedWorksheet({ReferencePage(sex), ReferenceMan()}, male, female),
               static_cast<TWorksheetForm*>(&male));
      QCOMPARE(female.Name.Caption(), QStringLiteral("Name"));
    }
  }
};

QObject* NewFillingTest() { return new FillingTest; }

#include "FillingTest.moc"
