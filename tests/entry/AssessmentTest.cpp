// One soldier's assessment as a value: the final verdict from the tape, the exemption and a
// supplemental result, with the maximum each method compared.

#include "entry/Assessment.h"

#include <QTest>

namespace {

using namespace std::chrono;

constexpr ExemptionRules kRules{465, 80, 8, 12};
constexpr CalendarDate kTestDay = 2026y / March / 2d;

ExemptionDecision Decision(int32_t plank) {
  return DecideExemption(FitnessTest{kTestDay, {100, 100, 100, plank, 100}}, Component::Regular, 2026y / April / 1d,
                         kRules);
}

// A multi-site soldier whose tape gave `within` against a maximum of `maxBodyFat`.
Assessment Taped(bool within, int32_t maxBodyFat) {
  Assessment assessment;
  assessment.within = within;
  assessment.overScreening = true;
  assessment.data.MaxBodyFat = maxBodyFat;
  return assessment;
}

SupplementalResult Dxa(int32_t tenths) { return {SupplementalMethod::Dxa, tenths, 2026y / April / 2d}; }

}  // namespace

Q_DECLARE_METATYPE(FinalVerdict)

class AssessmentTest : public QObject {
  Q_OBJECT

 private slots:
  void theTapeDecidesWithoutATestOrASupplementalResult() {
    for (bool within : {true, false}) {
      const Assessment assessment = Taped(within, 26);
      QCOMPARE(assessment.Verdict(), within ? FinalVerdict::Within : FinalVerdict::NotWithin);
      QCOMPARE(assessment.TapeWithin(), std::optional<bool>(within));
      QCOMPARE(assessment.Complies(), within);
      QCOMPARE(assessment.TakesSupplemental(), !within);
    }
  }

  void anExemptSoldierIsExemptOverTheScreeningWeightAndWithinUnderIt() {
    for (bool over : {true, false}) {
      Assessment assessment;
      assessment.overScreening = over;
      assessment.within = true;
      assessment.exemption = Decision(80);
      QVERIFY(assessment.Exempt());
      QCOMPARE(assessment.Verdict(), over ? FinalVerdict::Exempt : FinalVerdict::Within);
      QVERIFY(assessment.Complies());
      QCOMPARE(assessment.TapeWithin(), std::nullopt);
      QVERIFY(!assessment.TakesSupplemental());
      QCOMPARE(assessment.MaxBodyFat(), 0);
    }
  }

  void aTestThatDoesNotExemptLeavesTheTapeToDecide() {
    Assessment assessment = Taped(false, 26);
    assessment.exemption = Decision(79);
    QVERIFY(!assessment.Exempt());
    QCOMPARE(assessment.Verdict(), FinalVerdict::NotWithin);
    QVERIFY(assessment.TakesSupplemental());
  }

  void aSupplementalResultDecidesOnBothSidesOfTheMaximum_data() {
    QTest::addColumn<bool>("oneSite");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<FinalVerdict>("verdict");
    for (bool oneSite : {false, true}) {
      const char* method = oneSite ? "one-site" : "multi-site";
      QTest::addRow("%s 26.0 of 26", method) << oneSite << 260 << FinalVerdict::Within;
      QTest::addRow("%s 26.1 of 26", method) << oneSite << 261 << FinalVerdict::NotWithin;
      QTest::addRow("%s 12.3 of 26", method) << oneSite << 123 << FinalVerdict::Within;
    }
  }
  void aSupplementalResultDecidesOnBothSidesOfTheMaximum() {
    QFETCH(bool, oneSite);
    QFETCH(int, tenths);
    QFETCH(FinalVerdict, verdict);
    // The one-site maximum is the result's own; the multi-site record's is left elsewhere.
    Assessment assessment = Taped(false, oneSite ? 0 : 26);
    if (oneSite) {
      assessment.method = TapeMethod::OneSite;
      assessment.oneSite = OneSiteResult{};
      assessment.oneSite->maxBodyFat = 26;
    }
    assessment.supplemental = Dxa(tenths);
    QCOMPARE(assessment.MaxBodyFat(), 26);
    QCOMPARE(assessment.Verdict(), verdict);
    QCOMPARE(assessment.TapeWithin(), std::optional<bool>(false));
  }

  void aSupplementalResultDoesNotOverruleATapeWithinOrAnExemption() {
    Assessment within = Taped(true, 26);
    within.supplemental = Dxa(300);
    QCOMPARE(within.Verdict(), FinalVerdict::Within);

    Assessment exempt;
    exempt.overScreening = true;
    exempt.within = true;
    exempt.exemption = Decision(100);
    exempt.supplemental = Dxa(300);
    QCOMPARE(exempt.Verdict(), FinalVerdict::Exempt);
  }
};

int RunAssessmentTests(int argc, char** argv) {
  AssessmentTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "AssessmentTest.moc"
