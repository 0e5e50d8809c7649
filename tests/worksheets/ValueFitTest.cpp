// Every value box holds the widest texts the program writes into it on a single line, so
// the engine neither breaks nor cuts a value: measurements and averages up to 100.00 (the
// masks allow 99.99, which comes to the quarter inch as 100.00), factors and body fat of
// three digits or negative, totals to 999.99, and weights of three digits with " lbs.". On
// the one-site worksheet: the body fat of the shipped equations over those ranges (-145.86
// to 172.03) and equations with four-decimal coefficients.

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/WorksheetFilling.h"

#include <QTest>

namespace {

const QStringList kMeasurements = {"99.75", "100.00"};
const QStringList kFactors = {"-12.34", "-99.99", "999.99"};
const QStringList kTotals = {"-99.99", "999.99"};

struct Widest {
  QStringList labels;
  QStringList texts;
};

QList<Widest> MaleWidest() {
  return {
      {{"Abs1", "Abs2", "Abs3", "MNeck1", "MNeck2", "MNeck3", "Abs", "MNeck", "AvgAbs", "AvgNeck"},
       kMeasurements},
      {{"Total1"}, {"-100.00", "100.00"}},
      {{"ANFactor", "HFactor", "BFC", "ABFC"}, kFactors},
      {{"MaxBFC"}, {"100.00"}},
      {{"MaxWeight"}, {PoundsNumber(999)}},
      {{"AWeight"}, {PoundsText("999"), PoundsText(" 95")}},
  };
}

QList<Widest> FemaleWidest() {
  return {
      {{"Hips1", "Hips2", "Hips3", "Hips", "Arm1", "Arm2", "Arm3", "Arm", "FNeck1", "FNeck2",
        "FNeck3", "FNeck", "Wrist1", "Wrist2", "Wrist3", "Wrist"},
       kMeasurements},
      {{"WFactor", "HFactor", "HtFactor", "FFactor", "NFactor", "WrFactor", "ActualBFC"}, kFactors},
      {{"Total1", "Total2"}, kTotals},
  };
}

QList<Widest> OneSiteWidest() {
  return {
      {{"Abs1", "Abs2", "Abs3", "Abs4", "Abs", "AvgAbs"}, kMeasurements},
      {{"Note1", "Note2", "Note3", "Note4"}, {"not used", "not needed"}},
      {{"WeightUsed"}, {"999"}},
      {{"Equation"},
       {"Women: -9.15 - (0.015 × weight) + (1.27 × abdomen)",
        "Women: -126.9725 - (10.0155 × weight) + (11.2725 × abdomen)"}},
      {{"EquationFilled"}, {"= -9.15 - (0.015 × 999) + (1.27 × 100.00)", "= -126.9725 - (10.0155 × 999) + (11.2725 × 100.00)"}},
      {{"BFC"}, {"-145.86", "172.03"}},
      {{"RoundedBFC", "ABFC", "MaxBFC"}, {"-146", "172"}},
      {{"MaxWeight"}, {PoundsNumber(999)}},
      {{"AWeight"}, {PoundsText("999"), PoundsText(" 95")}},
  };
}

// The printed labels of a worksheet other than the auto-sized identification block.
QStringList ValueLabels(const WorksheetTexts& texts) {
  QStringList labels;
  for (const LabelText& entry : texts) labels << entry.label;
  for (const char* identity : {"Name", "SSANumber", "Rank", "Age", "Height", "Weight"})
    labels.removeOne(QString::fromLatin1(identity));
  return labels;
}

void CheckWidest(TWorksheetForm& sheet, const QList<Widest>& widest, QStringList valueLabels) {
  for (const Widest& group : widest) {
    for (const QString& name : group.labels) {
      valueLabels.removeOne(name);
      TTsLabel& label = sheet.Label(name);
      for (const QString& text : group.texts) {
        label.SetCaption(text);
        if (label.FormattedLines() != QStringList{text})
          QFAIL(qPrintable(QStringLiteral("%1 (%2 px) prints \"%3\" as \"%4\"")
                               .arg(name)
                               .arg(label.Bound(TTsSizedComponent::Width))
                               .arg(text, label.FormattedLines().join("|"))));
      }
    }
  }
  QVERIFY2(valueLabels.isEmpty(), qPrintable("not checked: " + valueLabels.join(", ")));
}

}  // namespace

class ValueFitTest : public QObject {
  Q_OBJECT
 private slots:
  void maleValuesPrintWhole() {
    TMaleForm male;
    CheckWidest(male, MaleWidest(), ValueLabels(MaleWorksheetTexts({}, {})));
  }

  void femaleValuesPrintWhole() {
    TFemaleForm female;
    CheckWidest(female, FemaleWidest(), ValueLabels(FemaleWorksheetTexts({}, {})));
  }

  void oneSiteValuesPrintWhole() {
    TOneSiteForm oneSite;
    CheckWidest(oneSite, OneSiteWidest(), ValueLabels(OneSiteWorksheetTexts({}, {}, {})));
  }
};

QObject* NewValueFitTest() { return new ValueFitTest; }

#include "ValueFitTest.moc"
