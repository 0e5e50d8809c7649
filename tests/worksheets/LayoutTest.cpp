// The stored layouts as the engine loads them: every element in print order, values ending
// at their column edges, and no value box lying over a caption or a rule.

#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/OneSiteWorksheet.h"

#include <QRect>
#include <QTest>

#include <memory>

namespace {

QRect BoundsOf(const TTsSizedComponent& item) {
  return QRect(item.Bound(TTsSizedComponent::Left), item.Bound(TTsSizedComponent::Top),
               item.Bound(TTsSizedComponent::Width), item.Bound(TTsSizedComponent::Height));
}

std::unique_ptr<TWorksheetForm> NewWorksheet(bool female) {
  if (female) return std::make_unique<TFemaleForm>();
  return std::make_unique<TMaleForm>();
}

void CheckValueBoxesCoverNothing(const TWorksheetForm& sheet) {
  const auto& items = sheet.Report->Items();
  for (TTsPrintable* box : items) {
    const auto* value = dynamic_cast<TTsLabel*>(box);
    if (value == nullptr || value->AutoSize()) continue;
    const QRect area = BoundsOf(*value);
    for (TTsPrintable* other : items) {
      if (other == box || other->Name().startsWith('X')) continue;
      QRect otherArea = BoundsOf(*other);
      if (const auto* line = dynamic_cast<TTsShape*>(other)) {
        const QRect r = otherArea;
        otherArea = line->Shape == TTsShapeType::tsHorLine
                        ? QRect(r.left(), r.top() + r.height() / 2, r.width(), 1)
                        : QRect(r.left() + r.width() / 2, r.top(), 1, r.height());
      }
      if (area.intersects(otherArea))
        QFAIL(qPrintable(QStringLiteral("%1 covers %2").arg(value->Name(), other->Name())));
    }
  }
}

// Right-aligned value labels and the x at which their text ends.
struct ValueColumn {
  QStringList labels;
  int right;
};

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void elementsInPrintOrder_data() {
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("formNumber");
    QTest::newRow("male") << false << "TitleBand1" << 75 << 18 << "Height" << "DA Form 5500-ER";
    QTest::newRow("female") << true << "Band1" << 91 << 35 << "X3" << "DA Form 5501-ER";
  }
  void elementsInPrintOrder() {
    QFETCH(bool, female);
    QFETCH(QString, band);
    QFETCH(int, labels);
    QFETCH(int, shapes);
    QFETCH(QString, last);
    QFETCH(QString, formNumber);
    const auto sheet = NewWorksheet(female);
    TReport& report = *sheet->Report;

    QCOMPARE(report.Bands().size(), size_t(1));
    QCOMPARE(report.Bands().front()->Name(), band);
    QCOMPARE(report.Bands().front()->BandType, TTsBandType::rbTitle);
    QVERIFY(report.Bands().front()->Items().empty());

    int labelCount = 0;
    int shapeCount = 0;
    for (TTsPrintable* item : report.Items()) {
      labelCount += dynamic_cast<TTsLabel*>(item) != nullptr;
      shapeCount += dynamic_cast<TTsShape*>(item) != nullptr;
    }
    QCOMPARE(labelCount, labels);
    QCOMPARE(shapeCount, shapes);
    QCOMPARE(report.Items().front()->Name(), QStringLiteral("FormNumber"));
    QCOMPARE(report.Items().back()->Name(), last);
    QCOMPARE(sheet->Label("FormNumber").Caption(), formNumber);

    QCOMPARE(report.Page().PaperSize(), TTsPaperSize::Letter);
    for (TTsPage::Index margin : {TTsPage::TopMargin, TTsPage::BottomMargin, TTsPage::LeftMargin,
                                  TTsPage::RightMargin})
      QCOMPARE(double(report.Page().Native(margin)), 127.0);
  }

  void valuesEndAtTheirColumnEdges_data() {
    QTest::addColumn<bool>("female");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("right");
    QTest::newRow("male first") << false << QStringList{"Abs1", "MNeck1"} << 420;
    QTest::newRow("male second") << false << QStringList{"Abs2", "MNeck2"} << 512;
    QTest::newRow("male third") << false << QStringList{"Abs3", "MNeck3"} << 608;
    QTest::newRow("male average")
        << false
        << QStringList{"Abs", "MNeck", "AvgAbs", "AvgNeck", "Total1", "ANFactor", "HFactor", "BFC"}
        << 719;
    QTest::newRow("male remarks") << false << QStringList{"MaxWeight", "MaxBFC", "AWeight", "ABFC"}
                                  << 308;
    QTest::newRow("female first") << true << QStringList{"Hips1", "Arm1", "FNeck1", "Wrist1"} << 422;
    QTest::newRow("female second") << true << QStringList{"Hips2", "Arm2", "FNeck2", "Wrist2"} << 518;
    QTest::newRow("female third") << true << QStringList{"Hips3", "Arm3", "FNeck3", "Wrist3"} << 614;
    QTest::newRow("female average") << true << QStringList{"Hips", "Arm", "FNeck", "Wrist"} << 715;
    QTest::newRow("female factors")
        << true << QStringList{"WFactor", "HFactor", "HtFactor", "FFactor", "NFactor", "WrFactor"}
        << 329;
    QTest::newRow("female totals") << true << QStringList{"Total1", "Total2", "ActualBFC"} << 420;
  }
  void valuesEndAtTheirColumnEdges() {
    QFETCH(bool, female);
    QFETCH(QStringList, labels);
    QFETCH(int, right);
    const auto sheet = NewWorksheet(female);
    for (const QString& name : labels) {
      TTsLabel& label = sheet->Label(name);
      QVERIFY2(!label.AutoSize() && label.Alignment() == TTsAlignment::taRightJustify,
               qPrintable(name));
      QCOMPARE(BoundsOf(label).left() + BoundsOf(label).width(), right);
    }
  }

  // A fixed value box prints an opaque white rectangle: it must not lie over any caption
  // or rule of the form, the marks excepted (they sit on the blanks by design).
  void valueBoxesCoverNoCaptionOrRule() {
    for (bool female : {false, true}) CheckValueBoxesCoverNothing(*NewWorksheet(female));
  }

  void oneSiteValueBoxesCoverNoCaptionOrRule() { CheckValueBoxesCoverNothing(TOneSiteForm()); }
};

QObject* NewLayoutTest() { return new LayoutTest; }

#include "LayoutTest.moc"
