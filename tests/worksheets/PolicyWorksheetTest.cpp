// The worksheets of the rules after the weight screening: the note stating an exemption or
// a supplemental result, which prints nothing without one; an exempt soldier's worksheet
// with the screening alone; the one-site worksheet's date.

#include "PageImage.h"

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteTexts.h"
#include "worksheets/OneSiteWorksheet.h"
#include "worksheets/PolicyTexts.h"
#include "worksheets/WorksheetFilling.h"

#include <QTest>

namespace {

using namespace std::chrono;

constexpr ExemptionRules kRules{465, 80, 8, 12};

Assessment Man() {
  Assessment assessment;
  assessment.page = {"DOE, JOHN A", "123-45-6789", "SGT", "24", "69.50", "205", "Male"};
  assessment.data.Weight = 205;
  assessment.data.MaxWeight = 185;
  assessment.data.Waist = {39.5, 39.75, 39.5};
  assessment.data.AvgWaist = 39.5;
  assessment.data.BodyFat = 28.4;
  assessment.data.MaxBodyFat = 22;
  assessment.overScreening = true;
  assessment.date = 2026y / April / 1d;
  return assessment;
}

Assessment ExemptMan() {
  Assessment assessment = Man();
  assessment.exemption =
      DecideExemption(FitnessTest{2026y / March / 2d, {100, 100, 100, 97, 88}}, Component::Regular, assessment.date, kRules);
  assessment.within = true;
  return assessment;
}

// The rectangle of the page in which two images differ; empty when they are the same.
QRect Difference(const QImage& a, const QImage& b) {
  QRect changed;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  return changed;
}

QRect BoundsOf(const TTsLabel& label) {
  return QRect(label.Bound(TTsSizedComponent::Left), label.Bound(TTsSizedComponent::Top),
               label.Bound(TTsSizedComponent::Width), label.Bound(TTsSizedComponent::Height));
}

// The note prints whole within its box: every word on a line, as many lines as the box holds
// at the 16 pixels a line of its font takes.
void CheckNoteFits(TWorksheetForm& sheet, const QString& text) {
  TTsLabel& note = sheet.Label(QStringLiteral("PolicyNote"));
  note.SetCaption(text);
  QCOMPARE(note.FormattedLines().join(u' ').simplified(), text);
  QVERIFY2(note.FormattedLines().size() * 16 <= note.Bound(TTsSizedComponent::Height),
           qPrintable(note.FormattedLines().join(u'|')));
}

}  // namespace

class PolicyWorksheetTest : public QObject {
  Q_OBJECT
 private slots:
  // Without an exemption or a supplemental result the note is empty and disabled: it adds
  // nothing to the page. A supplemental result changes the page within the note alone.
  void theNoteChangesTheWorksheetWithinItsBoxAlone() {
    TMaleForm male;
    TFemaleForm female;
    const Assessment plain = Man();
    FillSelectedWorksheet(plain, male, female);
    QVERIFY(!male.Label(QStringLiteral("PolicyNote")).Enabled);
    QCOMPARE(male.Label(QStringLiteral("PolicyNote")).Caption(), QString());
    const QImage without = RenderFirstPage(*male.Report);

    Assessment supplemented = Man();
    supplemented.supplemental = SupplementalResult{SupplementalMethod::Dxa, 221, 2026y / April / 3d};
    FillSelectedWorksheet(supplemented, male, female);
    QCOMPARE(male.Label(QStringLiteral("PolicyNote")).Caption(),
             "Supplemental assessment by DXA on 2026-04-03: 22.1% body fat, over the maximum of 22%.");
    const QImage with = RenderFirstPage(*male.Report);
    const QRect changed = Difference(without, with);
    QVERIFY(!changed.isEmpty());
    QVERIFY(BoundsOf(male.Label(QStringLiteral("PolicyNote"))).contains(changed));

    // Filled again without it, the worksheet is as before.
    FillSelectedWorksheet(plain, male, female);
    QVERIFY(RenderFirstPage(*male.Report) == without);
  }

  // An exempt soldier's worksheet keeps the identification block and the weights; every
  // measurement, factor and body fat is empty; the note states the exemption.
  void anExemptSoldiersWorksheetHoldsTheScreeningAlone() {
    TMaleForm male;
    TFemaleForm female;
    FillSelectedWorksheet(ExemptMan(), male, female);
    for (const char* kept : {"Name", "SSANumber", "Rank", "Age", "Height", "Weight"})
      QVERIFY2(!male.Label(QLatin1String(kept)).Caption().isEmpty(), kept);
    QCOMPARE(male.Label(QStringLiteral("MaxWeight")).Caption(), "185 lbs.");
    QCOMPARE(male.Label(QStringLiteral("AWeight")).Caption(), "205 lbs.");
    for (const char* emptied : {"Abs1", "Abs", "AvgAbs", "MNeck1", "AvgNeck", "Total1", "ANFactor", "HFactor", "BFC",
                                "ABFC", "MaxBFC"})
      QVERIFY2(male.Label(QLatin1String(emptied)).Caption().isEmpty(), emptied);
    QCOMPARE(male.Label(QStringLiteral("PolicyNote")).Caption(),
             QStringLiteral("Exempt from the body fat standard (fitness test 485 on 2026-03-02, valid until "
                            "2026-11-02): no tape measurement was taken."));
    QVERIFY(male.Label(QStringLiteral("PolicyNote")).Enabled);

    Assessment woman = ExemptMan();
    woman.page.Sex = QStringLiteral("Female");
    FillSelectedWorksheet(woman, male, female);
    for (const char* emptied : {"Hips1", "Arm", "WFactor", "Total2", "ActualBFC"})
      QVERIFY2(female.Label(QLatin1String(emptied)).Caption().isEmpty(), emptied);
    QVERIFY(female.Label(QStringLiteral("PolicyNote")).Enabled);
  }

  // The one-site worksheet prints the date of the assessment; for an exempt soldier it
  // states in place of the equation that no tape was taken.
  void theOneSiteWorksheetPrintsTheDateAndTheExemption() {
    TOneSiteForm oneSite;
    Assessment exempt = ExemptMan();
    exempt.method = TapeMethod::OneSite;
    FillOneSiteWorksheet(exempt, oneSite);
    QCOMPARE(oneSite.Label(QStringLiteral("AssessmentDate")).Caption(), "2026-04-01");
    QCOMPARE(oneSite.Label(QStringLiteral("Equation")).Caption(),
             "No tape measurement: exempt from the body fat standard (see REMARKS).");
    QCOMPARE(oneSite.Label(QStringLiteral("Equation")).FormattedLines().size(), 1);
    for (const char* emptied : {"Abs1", "Abs4", "Note4", "AvgAbs", "WeightUsed", "EquationFilled", "BFC", "ABFC"})
      QVERIFY2(oneSite.Label(QLatin1String(emptied)).Caption().isEmpty(), emptied);
    QVERIFY(oneSite.Label(QStringLiteral("PolicyNote")).Enabled);
    QCOMPARE(AssessmentDateText(CalendarDate{}), QString());
  }

  // The longest notes fit their boxes on every worksheet.
  void theLongestNotesFit() {
    TMaleForm male;
    TFemaleForm female;
    TOneSiteForm oneSite;
    Assessment exempt = ExemptMan();
    exempt.exemption->test->points = {100, 100, 100, 100, 100};
    exempt.date = 2999y / December / 31d;
    exempt.exemption->validUntil = 9999y / December / 31d;
    Assessment supplemented = Man();
    supplemented.supplemental = SupplementalResult{SupplementalMethod::Adp, 999, 9999y / December / 31d};
    supplemented.data.MaxBodyFat = 100;
    for (const Assessment& assessment : {exempt, supplemented}) {
      const QString text = PolicyNoteText(assessment);
      for (TWorksheetForm* sheet : {static_cast<TWorksheetForm*>(&male), static_cast<TWorksheetForm*>(&female),
                                    static_cast<TWorksheetForm*>(&oneSite)})
        CheckNoteFits(*sheet, text);
    }
  }
};

QObject* NewPolicyWorksheetTest() { return new PolicyWorksheetTest; }

#include "PolicyWorksheetTest.moc"
