// Stored layouts: a layout loads into the model by name, and a bad layout is refused with
// a message naming the component and property.

#include "ReportTestSupport.h"

#include "report/model/ReportLayoutLoader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const char kLayout[] = R"({"class": "TReport", "name": "Report",
 "properties": {"Page.PaperSize": "Letter", "Page.Orientation": "poPortrait",
   "Page.Values": [127, 2794, 127, 2159, 127, 127, 0], "Page.Columns": 1,
   "Units": "Inches", "Zoom": 100,
   "Font.Name": "Liberation Sans", "Font.Size": 7, "Font.Color": "clBlack", "Font.Style": [],
   "Frame.DrawTop": true, "Frame.DrawBottom": true, "Frame.DrawLeft": true,
   "Frame.DrawRight": true, "Frame.Color": "clBlack", "Frame.Width": 1,
   "Options": ["FirstPageHeader", "LastPageFooter"], "PrintIfEmpty": true,
   "SnapToGrid": true, "ReportTitle": "Worksheet",
   "PrinterSettings.Copies": 2, "PrinterSettings.Duplex": false,
   "PrinterSettings.FirstPage": 0, "PrinterSettings.LastPage": 0,
   "PrinterSettings.OutputBin": "First",
   "Functions": {"PAGENUMBER": "0", "COLUMNNUMBER": "0", "REPORTTITLE": "''"}},
 "children": [
   {"class": "TTsBand", "name": "TitleBand1",
    "properties": {"Left": 48, "Top": 48, "Width": 720, "Height": 40,
                   "BandType": "rbTitle", "Size.Values": [105.833, 1905.0]}},
   {"class": "TTsLabel", "name": "FormNumber",
    "properties": {"Left": 48, "Top": 1014, "Width": 109, "Height": 17,
                   "Size.Values": [44.979, 127.0, 2682.875, 288.396],
                   "Caption": "DA Form 5500-ER", "ParentFont": false,
                   "Font.Name": "Liberation Sans", "Font.Style": ["fsBold"], "FontSize": 10,
                   "Alignment": "taLeftJustify", "AutoSize": true}},
   {"class": "TTsLabel", "name": "Total",
    "properties": {"Left": 266, "Top": 700, "Width": 42, "Height": 13,
                   "Size.Values": [0, 0, 0, 0], "Caption": "12", "Color": "#FFEE00",
                   "Alignment": "taRightJustify", "AutoSize": false, "WordWrap": false,
                   "Frame.DrawLeft": true, "Frame.Width": 2}},
   {"class": "TTsShape", "name": "Shape1",
    "properties": {"Left": 48, "Top": 113, "Width": 720, "Height": 14,
                   "Size.Values": [37.042, 127.0, 298.979, 1905.0],
                   "Shape": "tsHorLine", "Pen.Width": 2, "Brush.Style": "bsClear"}}]})";

QJsonObject WithProperty(QJsonObject record, const QString& component, const QString& property,
                         const QJsonValue& value) {
  if (record.value("name").toString() == component) {
    QJsonObject properties = record.value("properties").toObject();
    properties.insert(property, value);
    record.insert("properties", properties);
  }
  QJsonArray children = record.value("children").toArray();
  for (auto child : children) child = WithProperty(child.toObject(), component, property, value);
  if (!children.isEmpty()) record.insert("children", children);
  return record;
}

// The layout with one property of one component set to a value given as JSON text.
QByteArray WithProperty(const char* component, const char* property, const char* value) {
  const QJsonValue parsed = QJsonDocument::fromJson(QByteArray("[") + value + "]").array().first();
  const QJsonObject root = QJsonDocument::fromJson(QByteArray(kLayout)).object();
  return QJsonDocument(WithProperty(root, QString::fromLatin1(component), QString::fromLatin1(property), parsed))
      .toJson();
}

std::string LoadError(const QByteArray& layout) {
  try {
    LoadReportLayout(layout);
  } catch (const ReportLayoutError& error) {
    return error.what();
  }
  return "(loaded)";
}

}  // namespace

TEST(LayoutLoader, LayoutLoadsIntoTheModel) {
  const std::unique_ptr<TReport> report = LoadReportLayout(QByteArray(kLayout));
  EXPECT_EQ(report->Units(), TTsUnit::Inches);
  EXPECT_EQ(report->Page().PaperSize(), TTsPaperSize::Letter);
  EXPECT_EQ(report->Page().Value(TTsPage::LeftMargin), 0.5L);
  EXPECT_EQ(report->Font().size, 7);
  EXPECT_TRUE(report->Frame.DrawTop && report->Frame.DrawRight);
  EXPECT_FALSE(report->Options.Compression);
  EXPECT_EQ(report->PrinterSettings.Copies, 2);
  EXPECT_EQ(report->PrinterSettings.OutputBin, TTsBin::First);
  EXPECT_EQ(report->ReportTitle, QStringLiteral("Worksheet"));
  EXPECT_EQ(report->Functions.value(QStringLiteral("REPORTTITLE")), QStringLiteral("''"));

  const TTsBand* band = report->FindBand(QStringLiteral("TitleBand1"));
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->BandType, TTsBandType::rbTitle);
  EXPECT_EQ(band->Bound(TTsBand::Height), 40);
  EXPECT_EQ(band->Bound(TTsBand::Left), 48);

  const TTsLabel* form = report->FindLabel(QStringLiteral("FormNumber"));
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Caption(), QStringLiteral("DA Form 5500-ER"));
  EXPECT_FALSE(form->ParentFont());
  EXPECT_TRUE(form->Font().bold);
  EXPECT_EQ(form->Font().size, 10);  // FontSize wins over the size taken from the report
  EXPECT_EQ(form->Bound(TTsLabel::Left), 48);
  EXPECT_EQ(form->Bound(TTsLabel::Top), 1014);
  EXPECT_EQ(form->FormattedLines(), QStringList{QStringLiteral("DA Form 5500-ER")});

  // All-zero Size.Values keep the stored pixel bounds, and Size follows them.
  const TTsLabel* total = report->FindLabel(QStringLiteral("Total"));
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->Bound(TTsLabel::Left), 266);
  EXPECT_EQ(total->Bound(TTsLabel::Width), 42);
  EXPECT_EQ(total->Size().Native(TTsPrintableSize::Width), 111.125L);
  EXPECT_EQ(total->Color, QColor(0xFF, 0xEE, 0x00));
  EXPECT_EQ(total->Alignment(), TTsAlignment::taRightJustify);
  EXPECT_FALSE(total->WordWrap());
  EXPECT_TRUE(total->Frame.DrawLeft);
  EXPECT_EQ(total->Frame.Width, 2);
  EXPECT_TRUE(total->ParentFont());

  const TTsShape* shape = report->FindShape(QStringLiteral("Shape1"));
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Shape, TTsShapeType::tsHorLine);
  EXPECT_EQ(shape->Pen.width, 2);
  EXPECT_EQ(shape->Brush.style, Qt::NoBrush);
  EXPECT_EQ(shape->Bound(TTsShape::Top), 113);

  ASSERT_EQ(report->Items().size(), 3u);  // in layout order, the band apart
  EXPECT_EQ(report->Items()[2], shape);
  EXPECT_EQ(report->FindShape(QStringLiteral("FormNumber")), nullptr);
}

TEST(LayoutLoader, BadLayoutsAreRefusedNamingTheFault) {
  struct Case {
    QByteArray layout;
    std::vector<const char*> mentions;
  };
  const Case cases[] = {
      {WithProperty("FormNumber", "Colour", "\"clRed\""), {"FormNumber", "Colour", "unknown property"}},
      {WithProperty("FormNumber", "Alignment", "\"taMiddle\""), {"FormNumber", "Alignment", "taMiddle"}},
      {WithProperty("Shape1", "Pen.Width", "\"thick\""), {"Shape1", "Pen.Width", "whole number"}},
      {WithProperty("Shape1", "Pen.Width", "1.5"), {"Shape1", "Pen.Width", "whole number"}},
      {WithProperty("Report", "Page.PaperSize", "\"Letterr\""), {"Report", "Page.PaperSize", "Letterr"}},
      {WithProperty("Report", "Page.Values", "[1, 2]"), {"Report", "Page.Values", "7 numbers"}},
      {WithProperty("Report", "Frame.Color", "\"#12345\""), {"Report", "Frame.Color"}},
      {WithProperty("TitleBand1", "Size.Values", "[1, 2, 3, 4]"), {"TitleBand1", "Size.Values"}},
      {WithProperty("FormNumber", "Font.Style", "[\"fsHeavy\"]"), {"FormNumber", "Font.Style", "fsHeavy"}},
      {QByteArray(kLayout).replace("\"TTsShape\"", "\"TTsImage\""), {"Shape1", "TTsImage"}},
      {QByteArray(kLayout).replace("\"Total\"", "\"FormNumber\""), {"FormNumber", "already"}},
      {QByteArray(kLayout).replace("\"TReport\"", "\"TTsBand\""), {"TReport"}},
      {QByteArray(kLayout).left(200), {"not a valid document"}},
      {QByteArray("[1, 2]"), {"name"}},
  };
  for (const Case& c : cases) {
    const std::string message = LoadError(c.layout);
    for (const char* part : c.mentions) {
      EXPECT_NE(message.find(part), std::string::npos) << "\"" << part << "\" not in: " << message;
    }
  }
}
