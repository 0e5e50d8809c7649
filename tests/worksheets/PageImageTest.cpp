// The generated worksheet pages drawn at 96 dpi: the rules of the page grid where the
// forms put them, the marks on the blanks of the check lines, the footer below the bottom
// margin.

#include "PageImage.h"
#include "worksheets/DA5500.h"
#include "worksheets/DA5501.h"
#include "worksheets/WorksheetFilling.h"

#include <QTest>

#include <cmath>

namespace {

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// A rule drawn at a half-pixel position may land on either neighbouring pixel.
bool DarkNear(const QImage& image, int x, int y, bool horizontal) {
  for (int d = -1; d <= 1; ++d) {
    if (horizontal ? Dark(image, x, y + d) : Dark(image, x + d, y)) return true;
  }
  return false;
}

struct Rule {
  bool horizontal;
  double at;  // y of a horizontal rule, x of a vertical one
  int from;
  int to;
};

void CheckRules(const QImage& page, const QList<Rule>& rules) {
  for (const Rule& rule : rules) {
    const int at = int(std::floor(rule.at));
    for (int along = rule.from + 2; along <= rule.to - 2; along += 3) {
      const bool drawn = rule.horizontal ? DarkNear(page, along, at, true)
                                         : DarkNear(page, at, along, false);
      if (!drawn)
        QFAIL(qPrintable(QStringLiteral("%1 rule at %2 missing at %3")
                             .arg(rule.horizontal ? "horizontal" : "vertical")
                             .arg(rule.at)
                             .arg(along)));
    }
  }
}

QList<Rule> CommonRules() {
  return {{true, 120, 48, 768},   {true, 156.5, 49, 648}, {true, 192.5, 48, 767},
          {true, 211.5, 49, 768}, {true, 348.5, 49, 768},
          {true, 396.5, 49, 768}, {true, 444.5, 49, 768}, {true, 588.5, 49, 768},
          {true, 912.5, 49, 768}, {true, 960.5, 49, 768}, {false, 358, 192, 212},
          {false, 456, 192, 212}, {false, 552, 192, 212}};
}

// The horizontal runs of dark pixels at least minLength long on a row.
QList<QPair<int, int>> Runs(const QImage& image, int y, int from, int to, int minLength) {
  QList<QPair<int, int>> runs;
  int start = -1;
  for (int x = from; x <= to + 1; ++x) {
    const bool dark = x <= to && Dark(image, x, y);
    if (dark && start < 0) start = x;
    if (!dark && start >= 0) {
      if (x - start >= minLength) runs.append({start, x - 1});
      start = -1;
    }
  }
  return runs;
}

// The row of a check line's underlined blanks: the first row below the caption's top on
// which the first blank runs dark from x 54.
int BlankRow(const QImage& image, int captionTop) {
  for (int y = captionTop; y < captionTop + 16; ++y) {
    if (!Runs(image, y, 54, 60, 6).isEmpty()) return y;
  }
  return -1;
}

QRect MarkBox(const TTsLabel& mark) {
  return QRect(mark.Bound(TTsSizedComponent::Left), mark.Bound(TTsSizedComponent::Top),
               mark.Bound(TTsSizedComponent::Width), mark.Bound(TTsSizedComponent::Height));
}

// The mark's white box and its ink lie on the blank and above its underline.
void CheckMarkOnBlank(const QImage& page, const TTsLabel& mark, QPair<int, int> blank, int blankRow) {
  const QRect box = MarkBox(mark);
  QVERIFY2(box.left() >= blank.first && box.right() <= blank.second,
           qPrintable(QStringLiteral("%1 box %2..%3 beside the blank %4..%5")
                          .arg(mark.Name())
                          .arg(box.left())
                          .arg(box.right())
                          .arg(blank.first)
                          .arg(blank.second)));
  QVERIFY2(box.bottom() < blankRow, qPrintable(mark.Name() + " covers its blank's line"));
  int ink = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) ink += Dark(page, x, y);
  QVERIFY2(ink > 8, qPrintable(mark.Name() + " prints no X"));
}

template <typename Form>
void CheckMarks(bool withinStandards) {
  Form sheet;
  SetComplianceMarks(sheet, withinStandards);
  const QImage page = RenderFirstPage(*sheet.Report);
  const int row42 = BlankRow(page, 930);
  const int row43 = BlankRow(page, 944);
  QVERIFY(row42 > 0 && row43 > 0);
  const auto blanks42 = Runs(page, row42, 50, 450, 10);
  const auto blanks43 = Runs(page, row43, 50, 450, 10);
  // Marks, filled or empty, leave the blanks whole: two on the first check line, one on
  // the second.
  QCOMPARE(blanks42.size(), 2);
  QCOMPARE(blanks43.size(), 1);
  if (withinStandards) {
    CheckMarkOnBlank(page, sheet.X1, blanks42[0], row42);
  } else {
    CheckMarkOnBlank(page, sheet.X2, blanks42[1], row42);
    CheckMarkOnBlank(page, sheet.X3, blanks43[0], row43);
  }
}

// The footer labels print below the bottom margin (y 1008), outside the report frame.
void CheckFooter(const QImage& page) {
  QVERIFY(DarkNear(page, 400, 1008, true));  // the frame along the bottom margin
  for (const auto& [from, to] : {QPair<int, int>{48, 160}, QPair<int, int>{610, 780}}) {
    int top = page.height();
    int ink = 0;
    for (int y = 1000; y < 1045; ++y)
      for (int x = from; x <= to; ++x)
        if (Dark(page, x, y) && y > 1010) {
          ++ink;
          top = qMin(top, y);
        }
    QVERIFY2(ink > 100, "no footer text");
    QVERIFY(top >= 1014);
  }
}

}  // namespace

class PageImageTest : public QObject {
  Q_OBJECT
 private slots:
  void maleRules() {
    TMaleForm male;
    const QImage page = RenderFirstPage(*male.Report);
    QList<Rule> rules = CommonRules();
    rules += {{true, 256.5, 49, 768}, {true, 300.5, 49, 768}, {true, 492.5, 49, 768},
              {true, 540.5, 49, 768}, {false, 648.5, 121, 588}, {false, 358, 192, 301},
              {false, 456, 192, 301}, {false, 552, 192, 301}};
    CheckRules(page, rules);
    CheckFooter(page);
  }

  void femaleRules() {
    TFemaleForm female;
    const QImage page = RenderFirstPage(*female.Report);
    QList<Rule> rules = CommonRules();
    rules += {{true, 232.5, 49, 768}, {true, 252.5, 49, 768}, {true, 302.5, 49, 768}, {true, 480.5, 49, 768},
              {true, 516.5, 49, 768}, {true, 552.5, 49, 768}, {false, 648.5, 121, 212},
              {false, 358, 252, 445},  {false, 456, 252, 445},  {false, 552, 252, 445},
              {false, 648, 252, 445},  {false, 260, 588, 913},  {false, 358, 588, 913},
              {false, 457, 588, 913}};
    for (int y = 624; y <= 876; y += 36) rules += Rule{true, y + 0.5, 49, 457};
    CheckRules(page, rules);
    CheckFooter(page);
  }

  void marksOnTheBlanks() {
    CheckMarks<TMaleForm>(true);
    CheckMarks<TMaleForm>(false);
    CheckMarks<TFemaleForm>(true);
    CheckMarks<TFemaleForm>(false);
  }
};

QObject* NewPageImageTest() { return new PageImageTest; }

#include "PageImageTest.moc"
