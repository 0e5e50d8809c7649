#include "report/model/ReportLayoutLoader.h"

#include "report/device/ScreenResolution.h"
#include "report/model/LayoutValues.h"
#include "report/model/Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <vector>

namespace {

template <typename C>
using Setter = std::function<void(C&, const QJsonValue&)>;

// The properties of one class, applied in this order whatever the order in the document.
template <typename C>
using PropertyTable = std::vector<std::pair<QString, Setter<C>>>;

[[noreturn]] void Fail(const QString& component, const QString& problem) {
  throw ReportLayoutError(
      QStringLiteral("Report layout, component \"%1\": %2").arg(component, problem).toStdString());
}

template <typename C>
void ApplyProperties(C& target, const QString& name, const QJsonObject& properties,
                     const PropertyTable<C>& table) {
  for (auto it = properties.begin(); it != properties.end(); ++it) {
    const bool known = std::any_of(table.begin(), table.end(),
                                   [&](const auto& entry) { return entry.first == it.key(); });
    if (!known) Fail(name, QStringLiteral("unknown property \"%1\"").arg(it.key()));
  }
  for (const auto& [property, setter] : table) {
    if (!properties.contains(property)) continue;
    try {
      setter(target, properties.value(property));
    } catch (const LayoutValueError& error) {
      Fail(name, QStringLiteral("property \"%1\": %2").arg(property, QString::fromStdString(error.what())));
    } catch (const std::invalid_argument& error) {
      Fail(name, QStringLiteral("property \"%1\": %2").arg(property, QString::fromStdString(error.what())));
    }
  }
}

template <typename C>
void AddFrameProperties(PropertyTable<C>& table, std::function<TTsFrame&(C&)> frame) {
  auto flag = [frame](bool TTsFrame::*side) {
    return [frame, side](C& c, const QJsonValue& v) { frame(c).*side = ReadBool(v); };
  };
  table.push_back({"Frame.DrawTop", flag(&TTsFrame::DrawTop)});
  table.push_back({"Frame.DrawBottom", flag(&TTsFrame::DrawBottom)});
  table.push_back({"Frame.DrawLeft", flag(&TTsFrame::DrawLeft)});
  table.push_back({"Frame.DrawRight", flag(&TTsFrame::DrawRight)});
  table.push_back({"Frame.Color", [frame](C& c, const QJsonValue& v) { frame(c).Color = ReadColor(v); }});
  table.push_back({"Frame.Style", [frame](C& c, const QJsonValue& v) { frame(c).Style = ReadPenStyle(v); }});
  table.push_back({"Frame.Width", [frame](C& c, const QJsonValue& v) { frame(c).Width = ReadInt(v); }});
}

// Font properties change a copy of the current font (the parent's while ParentFont is
// set) and give it back to the component.
template <typename C>
void AddFontProperties(PropertyTable<C>& table, std::function<TTsFont(const C&)> get,
                       std::function<void(C&, const TTsFont&)> set) {
  auto change = [get, set](std::function<void(TTsFont&, const QJsonValue&)> edit) {
    return [get, set, edit](C& c, const QJsonValue& v) {
      TTsFont font = get(c);
      edit(font, v);
      set(c, font);
    };
  };
  table.push_back({"Font.Name", change([](TTsFont& f, const QJsonValue& v) { f.name = ReadString(v); })});
  table.push_back({"Font.Height", change([](TTsFont& f, const QJsonValue& v) {
                     f.SetHeight(ReadInt(v), ScreenPixelsPerInch());
                   })});
  table.push_back({"Font.Size", change([](TTsFont& f, const QJsonValue& v) { f.size = ReadInt(v); })});
  table.push_back({"Font.Color", change([](TTsFont& f, const QJsonValue& v) { f.color = ReadColor(v); })});
  table.push_back({"Font.Style", change([](TTsFont& f, const QJsonValue& v) {
                     const QStringList styles = ReadStrings(v);
                     f.bold = f.italic = f.underline = f.strikeOut = false;
                     for (const QString& style : styles) {
                       bool TTsFont::*flag = ReadEnum<bool TTsFont::*>(
                           style, {{"fsBold", &TTsFont::bold},
                                   {"fsItalic", &TTsFont::italic},
                                   {"fsUnderline", &TTsFont::underline},
                                   {"fsStrikeOut", &TTsFont::strikeOut}});
                       f.*flag = true;
                     }
                   })});
  // The character set is the platform's business.
  table.push_back({"Font.Charset", [](C&, const QJsonValue&) {}});
}

template <typename C>
void AddBoundsProperties(PropertyTable<C>& table) {
  auto bound = [](TTsSizedComponent::Side side) {
    return [side](C& c, const QJsonValue& v) { c.SetBound(side, ReadInt(v)); };
  };
  table.push_back({"Left", bound(TTsSizedComponent::Left)});
  table.push_back({"Top", bound(TTsSizedComponent::Top)});
  table.push_back({"Width", bound(TTsSizedComponent::Width)});
  table.push_back({"Height", bound(TTsSizedComponent::Height)});
  table.push_back({"Size.Values", [](C& c, const QJsonValue& v) {
                     const std::vector<long double> values = ReadFloats(v);
                     if (!c.Size().SetValues(values)) {
                       throw LayoutValueError("expected " + std::to_string(c.Size().Count()) + " numbers");
                     }
                   }});
}

const EnumNames<TTsAlignment> kAlignments = {{"taLeftJustify", TTsAlignment::taLeftJustify},
                                             {"taRightJustify", TTsAlignment::taRightJustify},
                                             {"taCenter", TTsAlignment::taCenter}};

template <typename C>
void AddPrintableProperties(PropertyTable<C>& table) {
  AddBoundsProperties(table);
  table.push_back({"Enabled", [](C& c, const QJsonValue& v) { c.Enabled = ReadBool(v); }});
  AddFrameProperties<C>(table, [](C& c) -> TTsFrame& { return c.Frame; });
}

const PropertyTable<TTsLabel>& LabelProperties() {
  static const PropertyTable<TTsLabel> table = [] {
    PropertyTable<TTsLabel> t;
    AddPrintableProperties(t);
    t.push_back({"Alignment", [](TTsLabel& c, const QJsonValue& v) { c.SetAlignment(ReadEnum(v, kAlignments)); }});
    t.push_back({"AlignToBand", [](TTsLabel& c, const QJsonValue& v) { c.SetAlignToBand(ReadBool(v)); }});
    t.push_back({"AutoSize", [](TTsLabel& c, const QJsonValue& v) { c.SetAutoSize(ReadBool(v)); }});
    t.push_back({"AutoStretch", [](TTsLabel& c, const QJsonValue& v) { c.AutoStretch = ReadBool(v); }});
    t.push_back({"WordWrap", [](TTsLabel& c, const QJsonValue& v) { c.SetWordWrap(ReadBool(v)); }});
    t.push_back({"Transparent", [](TTsLabel& c, const QJsonValue& v) { c.Transparent = ReadBool(v); }});
    t.push_back({"Color", [](TTsLabel& c, const QJsonValue& v) { c.Color = ReadColor(v); }});
    t.push_back({"ParentFont", [](TTsLabel& c, const QJsonValue& v) { c.SetParentFont(ReadBool(v)); }});
    AddFontProperties<TTsLabel>(t, [](const TTsLabel& c) { return c.Font(); },
                                [](TTsLabel& c, const TTsFont& f) { c.SetFont(f); });
    t.push_back({"FontSize", [](TTsLabel& c, const QJsonValue& v) { c.FontSize = ReadInt(v); }});
    t.push_back({"Caption", [](TTsLabel& c, const QJsonValue& v) { c.SetCaption(ReadString(v)); }});
    return t;
  }();
  return table;
}

const PropertyTable<TTsShape>& ShapeProperties() {
  static const PropertyTable<TTsShape> table = [] {
    PropertyTable<TTsShape> t;
    AddPrintableProperties(t);
    t.push_back({"Shape", [](TTsShape& c, const QJsonValue& v) {
                   c.Shape = ReadEnum<TTsShapeType>(v, {{"tsRectangle", TTsShapeType::tsRectangle},
                                                        {"tsCircle", TTsShapeType::tsCircle},
                                                        {"tsVertLine", TTsShapeType::tsVertLine},
                                                        {"tsHorLine", TTsShapeType::tsHorLine},
                                                        {"tsTopAndBottom", TTsShapeType::tsTopAndBottom},
                                                        {"tsRightAndLeft", TTsShapeType::tsRightAndLeft}});
                 }});
    t.push_back({"Pen.Color", [](TTsShape& c, const QJsonValue& v) { c.Pen.color = ReadColor(v); }});
    t.push_back({"Pen.Width", [](TTsShape& c, const QJsonValue& v) { c.Pen.width = ReadInt(v); }});
    t.push_back({"Pen.Style", [](TTsShape& c, const QJsonValue& v) { c.Pen.style = ReadPenStyle(v); }});
    t.push_back({"Brush.Color", [](TTsShape& c, const QJsonValue& v) { c.Brush.color = ReadColor(v); }});
    t.push_back({"Brush.Style", [](TTsShape& c, const QJsonValue& v) { c.Brush.style = ReadBrushStyle(v); }});
    return t;
  }();
  return table;
}

const PropertyTable<TTsBand>& BandProperties() {
  static const PropertyTable<TTsBand> table = [] {
    PropertyTable<TTsBand> t;
    AddBoundsProperties(t);
    t.push_back({"BandType", [](TTsBand& c, const QJsonValue& v) {
                   c.BandType = ReadEnum<TTsBandType>(
                       v, {{"rbTitle", TTsBandType::rbTitle},
                           {"rbPageHeader", TTsBandType::rbPageHeader},
                           {"rbDetail", TTsBandType::rbDetail},
                           {"rbPageFooter", TTsBandType::rbPageFooter},
                           {"rbSummary", TTsBandType::rbSummary},
                           {"rbGroupHeader", TTsBandType::rbGroupHeader},
                           {"rbGroupFooter", TTsBandType::rbGroupFooter},
                           {"rbSubDetail", TTsBandType::rbSubDetail},
                           {"rbColumnHeader", TTsBandType::rbColumnHeader},
                           {"rbOverlay", TTsBandType::rbOverlay},
                           {"rbChild", TTsBandType::rbChild}});
                 }});
    t.push_back({"Color", [](TTsBand& c, const QJsonValue& v) { c.Color = ReadColor(v); }});
    t.push_back({"Enabled", [](TTsBand& c, const QJsonValue& v) { c.Enabled = ReadBool(v); }});
    t.push_back({"AlignToBottom", [](TTsBand& c, const QJsonValue& v) { c.AlignToBottom = ReadBool(v); }});
    t.push_back({"ForceNewColumn", [](TTsBand& c, const QJsonValue& v) { c.ForceNewColumn = ReadBool(v); }});
    t.push_back({"ForceNewPage", [](TTsBand& c, const QJsonValue& v) { c.ForceNewPage = ReadBool(v); }});
    AddFrameProperties<TTsBand>(t, [](TTsBand& c) -> TTsFrame& { return c.Frame; });
    t.push_back({"ParentFont", [](TTsBand& c, const QJsonValue& v) { c.OwnFont.SetParentFont(ReadBool(v)); }});
    AddFontProperties<TTsBand>(t, [](const TTsBand& c) { return c.Font(); },
                               [](TTsBand& c, const TTsFont& f) { c.OwnFont.Set(f); });
    return t;
  }();
  return table;
}

const PropertyTable<TCustomReport>& ReportProperties() {
  using R = TCustomReport;
  static const PropertyTable<R> table = [] {
    PropertyTable<R> t;
    t.push_back({"Units", [](R& c, const QJsonValue& v) {
                   c.SetUnits(ReadEnum<TTsUnit>(v, {{"MM", TTsUnit::MM},
                                                    {"Inches", TTsUnit::Inches},
                                                    {"Pixels", TTsUnit::Pixels},
                                                    {"Characters", TTsUnit::Characters},
                                                    {"Native", TTsUnit::Native}}));
                 }});
    t.push_back({"Zoom", [](R& c, const QJsonValue& v) {
                   const int zoom = ReadInt(v);
                   if (zoom <= 0) throw LayoutValueError("expected a positive zoom");
                   c.SetZoom(zoom);
                 }});
    t.push_back({"Page.Orientation", [](R& c, const QJsonValue& v) {
                   c.Page().SetOrientation(ReadEnum<TTsOrientation>(
                       v, {{"poPortrait", TTsOrientation::poPortrait},
                           {"poLandscape", TTsOrientation::poLandscape}}));
                 }});
    t.push_back({"Page.PaperSize", [](R& c, const QJsonValue& v) {
                   c.Page().SetPaperSize(ReadEnum<TTsPaperSize>(
                       v, {{"Default", TTsPaperSize::Default}, {"Letter", TTsPaperSize::Letter},
                           {"LetterSmall", TTsPaperSize::LetterSmall}, {"Tabloid", TTsPaperSize::Tabloid},
                           {"Ledger", TTsPaperSize::Ledger}, {"Legal", TTsPaperSize::Legal},
                           {"Statement", TTsPaperSize::Statement}, {"Executive", TTsPaperSize::Executive},
                           {"A3", TTsPaperSize::A3}, {"A4", TTsPaperSize::A4},
                           {"A4Small", TTsPaperSize::A4Small}, {"A5", TTsPaperSize::A5},
                           {"B4", TTsPaperSize::B4}, {"B5", TTsPaperSize::B5},
                           {"Folio", TTsPaperSize::Folio}, {"Quarto", TTsPaperSize::Quarto},
                           {"ts10X14", TTsPaperSize::ts10X14}, {"ts11X17", TTsPaperSize::ts11X17},
                           {"Note", TTsPaperSize::Note}, {"Env9", TTsPaperSize::Env9},
                           {"Env10", TTsPaperSize::Env10}, {"Env11", TTsPaperSize::Env11},
                           {"Env12", TTsPaperSize::Env12}, {"Env14", TTsPaperSize::Env14},
                           {"CSheet", TTsPaperSize::CSheet}, {"DSheet", TTsPaperSize::DSheet},
                           {"ESheet", TTsPaperSize::ESheet}, {"Custom", TTsPaperSize::Custom}}));
                 }});
    t.push_back({"Page.Values", [](R& c, const QJsonValue& v) {
                   if (!c.Page().SetValues(ReadFloats(v))) throw LayoutValueError("expected 7 numbers");
                 }});
    t.push_back({"Page.Columns", [](R& c, const QJsonValue& v) { c.Page().SetColumns(ReadInt(v)); }});
    t.push_back({"Page.Ruler", [](R& c, const QJsonValue& v) { c.Page().SetRuler(ReadBool(v)); }});
    AddFontProperties<R>(t, [](const R& c) { return c.Font(); },
                         [](R& c, const TTsFont& f) { c.SetFont(f); });
    AddFrameProperties<R>(t, [](R& c) -> TTsFrame& { return c.Frame; });
    t.push_back({"Options", [](R& c, const QJsonValue& v) {
                   c.Options = {false, false, false};
                   for (const QString& option : ReadStrings(v)) {
                     bool TTsReportOptions::*flag = ReadEnum<bool TTsReportOptions::*>(
                         option, {{"FirstPageHeader", &TTsReportOptions::FirstPageHeader},
                                  {"LastPageFooter", &TTsReportOptions::LastPageFooter},
                                  {"Compression", &TTsReportOptions::Compression}});
                     c.Options.*flag = true;
                   }
                 }});
    t.push_back({"PrintIfEmpty", [](R& c, const QJsonValue& v) { c.PrintIfEmpty = ReadBool(v); }});
    t.push_back({"ShowProgress", [](R& c, const QJsonValue& v) { c.ShowProgress = ReadBool(v); }});
    t.push_back({"SnapToGrid", [](R& c, const QJsonValue& v) { c.SnapToGrid = ReadBool(v); }});
    t.push_back({"ReportTitle", [](R& c, const QJsonValue& v) { c.ReportTitle = ReadString(v); }});
    t.push_back({"Description", [](R& c, const QJsonValue& v) { c.Description = ReadStrings(v); }});
    t.push_back({"PrinterSettings.Copies", [](R& c, const QJsonValue& v) { c.PrinterSettings.Copies = ReadInt(v); }});
    t.push_back({"PrinterSettings.Duplex", [](R& c, const QJsonValue& v) { c.PrinterSettings.Duplex = ReadBool(v); }});
    t.push_back({"PrinterSettings.FirstPage", [](R& c, const QJsonValue& v) { c.PrinterSettings.FirstPage = ReadInt(v); }});
    t.push_back({"PrinterSettings.LastPage", [](R& c, const QJsonValue& v) { c.PrinterSettings.LastPage = ReadInt(v); }});
    t.push_back({"PrinterSettings.OutputBin", [](R& c, const QJsonValue& v) {
                   c.PrinterSettings.OutputBin = ReadEnum<TTsBin>(
                       v, {{"First", TTsBin::First}, {"Upper", TTsBin::Upper}, {"Lower", TTsBin::Lower},
                           {"Middle", TTsBin::Middle}, {"Manual", TTsBin::Manual},
                           {"Envelope", TTsBin::Envelope}, {"EnvManual", TTsBin::EnvManual},
                           {"Auto", TTsBin::Auto}, {"Tractor", TTsBin::Tractor},
                           {"SmallFormat", TTsBin::SmallFormat}, {"LargeFormat", TTsBin::LargeFormat},
                           {"LargeCapacity", TTsBin::LargeCapacity}, {"Cassette", TTsBin::Cassette},
                           {"Last", TTsBin::Last}});
                 }});
    t.push_back({"Functions", [](R& c, const QJsonValue& v) {
                   if (!v.isObject()) throw LayoutValueError("expected an object of named texts");
                   const QJsonObject functions = v.toObject();
                   for (auto it = functions.begin(); it != functions.end(); ++it) {
                     c.Functions[it.key()] = ReadString(it.value());
                   }
                 }});
    return t;
  }();
  return table;
}

struct Record {
  QString className;
  QString name;
  QJsonObject properties;
  QJsonArray children;
};

Record ReadRecord(const QJsonValue& value, const QString& where) {
  if (!value.isObject()) Fail(where, QStringLiteral("a component record must be an object"));
  const QJsonObject object = value.toObject();
  for (auto it = object.begin(); it != object.end(); ++it) {
    static const QStringList kKeys = {"class", "name", "properties", "children"};
    if (!kKeys.contains(it.key())) Fail(where, QStringLiteral("unknown record entry \"%1\"").arg(it.key()));
  }
  Record record;
  const QJsonValue name = object.value("name");
  if (!name.isString()) Fail(where, QStringLiteral("the record has no name"));
  record.name = name.toString();
  const QJsonValue className = object.value("class");
  if (!className.isString()) Fail(record.name, QStringLiteral("the record has no class"));
  record.className = className.toString();
  const QJsonValue properties = object.value("properties");
  if (!properties.isUndefined() && !properties.isObject()) Fail(record.name, QStringLiteral("\"properties\" must be an object"));
  record.properties = properties.toObject();
  const QJsonValue children = object.value("children");
  if (!children.isUndefined() && !children.isArray()) Fail(record.name, QStringLiteral("\"children\" must be a list"));
  record.children = children.toArray();
  return record;
}

template <typename C>
C& AddItem(TCustomReport& report, const Record& record, TTsBand* band,
           C& (TCustomReport::*add)(const QString&, TTsBand*)) {
  try {
    return (report.*add)(record.name, band);
  } catch (const std::invalid_argument& error) {
    Fail(record.name, QString::fromStdString(error.what()));
  }
}

void LoadChildren(TCustomReport& report, const Record& parent, TTsBand* band);

void LoadChild(TCustomReport& report, const Record& record, TTsBand* band) {
  if (record.className == QLatin1String("TTsLabel")) {
    TTsLabel& label = AddItem(report, record, band, &TCustomReport::AddLabel);
    ApplyProperties(label, record.name, record.properties, LabelProperties());
  } else if (record.className == QLatin1String("TTsShape")) {
    TTsShape& shape = AddItem(report, record, band, &TCustomReport::AddShape);
    ApplyProperties(shape, record.name, record.properties, ShapeProperties());
  } else if (record.className == QLatin1String("TTsBand")) {  // a band on a band joins the report
    TTsBand* added = nullptr;
    try {
      added = &report.AddBand(record.name, TTsBandType::rbTitle);
    } catch (const std::invalid_argument& error) {
      Fail(record.name, QString::fromStdString(error.what()));
    }
    ApplyProperties(*added, record.name, record.properties, BandProperties());
    LoadChildren(report, record, added);
    return;
  } else {
    Fail(record.name, QStringLiteral("class \"%1\" cannot be placed here").arg(record.className));
  }
  if (!record.children.isEmpty()) Fail(record.name, QStringLiteral("a printable item has no children"));
}

void LoadChildren(TCustomReport& report, const Record& parent, TTsBand* band) {
  for (const QJsonValue& child : parent.children) LoadChild(report, ReadRecord(child, parent.name), band);
}

}  // namespace

void LoadReportLayout(TCustomReport& report, const QByteArray& json) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    throw ReportLayoutError(QStringLiteral("Report layout: not a valid document (%1 at offset %2)")
                                .arg(parseError.errorString())
                                .arg(parseError.offset)
                                .toStdString());
  }
  const Record root = ReadRecord(document.object(), QStringLiteral("(root)"));
  if (root.className != QLatin1String("TReport")) {
    Fail(root.name, QStringLiteral("the root record must be of class TReport, not \"%1\"").arg(root.className));
  }
  report.BeginLoading();
  try {
    ApplyProperties(report, root.name, root.properties, ReportProperties());
    LoadChildren(report, root, nullptr);
  } catch (...) {
    report.EndLoading();
    throw;
  }
  report.EndLoading();
}

std::unique_ptr<TReport> LoadReportLayout(const QByteArray& json) {
  auto report = std::make_unique<TReport>();
  LoadReportLayout(*report, json);
  return report;
}
