#include "report/device/PictureCommandCheck.h"

#include "report/device/PageDrawingWork.h"

#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QtEndian>

#include <cmath>
#include <cstring>

// Written by hand: Qt offers no way to read a picture's commands short of playing them.
// The layouts below are those of Qt's picture stream in format Qt_6_0, big-endian, the
// only format the device writes; a genuine picture therefore always parses exactly.

namespace {

// The command codes of Qt's picture stream that the device's pages contain (lines become
// polylines, rectangles paths, texts text items), and the nested picture it never writes.
enum Command : quint8 {
  DrawEllipse = 7, DrawPolyline = 12, DrawTextItem = 21, DrawPath = 25, Begin = 30, End = 31,
  SetFont = 45, SetPen = 46, SetBrush = 47,
};

// Bounds on single values, far beyond anything a page holds. Coordinates must moreover lie
// near the page (but on horizontal and vertical edges), pens and fonts be no larger than
// it, and the page's drawing as a whole stay within kMostPageDrawingWork (PageDrawingWork.h).
constexpr double kLargestCoordinate = 1e6;  // device pixels; a page is a few thousand
constexpr double kLargestPenWidth = 10000;
constexpr quint32 kMostPoints = 100000;
constexpr quint32 kMostPathElements = 100000;
constexpr quint32 kMostTextCharacters = 10000;
constexpr quint32 kMostNameCharacters = 256;
constexpr quint32 kMostFontFamilies = 16;
constexpr quint32 kMostDashes = 64;
constexpr double kLargestFontPoints = 1000;
constexpr qint32 kLargestFontPixels = 10000;
constexpr qint32 kLargestSpacing = 64 * 10000;  // 26.6 fixed point
constexpr qint32 kLargestPageSide = 100000;

constexpr char kPictureTag[4] = {'Q', 'P', 'I', 'C'};
constexpr qsizetype kChecksummedFrom = 6;  // after the tag and the checksum itself
constexpr quint8 kLongLength = 255;         // a 32-bit length follows
constexpr qsizetype kPathElementBytes = 4 + 2 * 8;
constexpr qsizetype kPointBytes = 2 * 8;

struct Refusal {
  QString reason;
};

[[noreturn]] void Refuse(const QString& reason) { throw Refusal{reason}; }

// Reads big-endian values from a byte range and refuses any read past its end.
class RecordReader {
 public:
  RecordReader(const char* data, qsizetype size) : data_(data), left_(size) {}

  qsizetype Left() const { return left_; }
  void Need(qsizetype count) const {
    if (count < 0 || count > left_) Refuse(QStringLiteral("a drawing command runs past the end of its record"));
  }
  RecordReader Take(qsizetype count) {
    Need(count);
    RecordReader part(data_, count);
    Skip(count);
    return part;
  }
  const char* Data() const { return data_; }

  quint8 U8() { return Read<quint8>(); }
  quint16 U16() { return Read<quint16>(); }
  quint32 U32() { return Read<quint32>(); }
  qint32 I32() { return Read<qint32>(); }
  double Double() {
    const quint64 bits = Read<quint64>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  bool Bool() { return Flag(U8()); }

  static bool Flag(quint8 value) {
    if (value > 1) Refuse(QStringLiteral("a drawing command holds an invalid switch value"));
    return value == 1;
  }

 private:
  template <typename T>
  T Read() {
    Need(sizeof(T));
    const T value = qFromBigEndian<T>(data_);
    Skip(sizeof(T));
    return value;
  }
  void Skip(qsizetype count) {
    data_ += count;
    left_ -= count;
  }

  const char* data_;
  qsizetype left_;
};

double Bounded(double value, double low, double high) {
  if (!std::isfinite(value) || value < low || value > high)
    Refuse(QStringLiteral("a drawing command holds a value out of range"));
  return value;
}

qint64 Counted(RecordReader& r, quint32 most, qsizetype bytesEach, const char* what) {
  const quint32 count = r.U32();
  if (count > most) Refuse(QStringLiteral("a drawing command holds too many %1").arg(QLatin1String(what)));
  r.Need(qsizetype(count) * bytesEach);
  return count;
}

qint64 TextLength(RecordReader& r, quint32 mostCharacters) {
  const quint32 bytes = r.U32();
  if (bytes == 0xffffffffU) return 0;  // a null text
  if (bytes % 2 != 0 || bytes / 2 > mostCharacters) Refuse(QStringLiteral("a drawing command holds an overlong text"));
  r.Take(bytes);
  return bytes / 2;
}

void Color(RecordReader& r) {
  if (r.U8() > QColor::ExtendedRgb) Refuse(QStringLiteral("a drawing command holds an invalid colour"));
  r.Take(5 * 2);  // alpha, red, green, blue, padding
}

// Affine transforms only: the device never records a perspective.
void Transform(RecordReader& r) {
  double m[9];
  for (double& value : m) value = Bounded(r.Double(), -kLargestCoordinate, kLargestCoordinate);
  if (m[2] != 0 || m[5] != 0 || m[8] != 1) Refuse(QStringLiteral("a drawing command holds a perspective transform"));
}

// Solid and hatched brushes; no texture (an image) and no gradient.
PaintBrush Brush(RecordReader& r) {
  const quint8 style = r.U8();
  if (style > Qt::DiagCrossPattern) Refuse(QStringLiteral("a drawing command holds a brush the program never uses"));
  Color(r);
  Transform(r);
  return {style != Qt::NoBrush, style > Qt::SolidPattern};
}

// The pieces one repetition of a built-in dash style draws, and its length in pen widths.
std::pair<int, double> DashStyle(int line) {
  switch (line) {
    case Qt::DashLine: return {1, 6};
    case Qt::DotLine: return {1, 3};
    case Qt::DashDotLine: return {2, 9};
    case Qt::DashDotDotLine: return {3, 12};
    default: return {0, 0};
  }
}

// The font's size: its points, or its pixels when it states no points; and whether it
// spaces its letters or words otherwise than their own advances do, or condenses them.
struct FontSize {
  double points = -1;
  qint32 pixels = -1;
  bool spaced = false;
  // Its em in page pixels when laid out at the given multiple of the standard resolution.
  double Em(double resolution) const { return pixels > 0 ? pixels : points * resolution * 96 / 72; }
};

FontSize Font(RecordReader& r) {
  TextLength(r, kMostNameCharacters);  // family
  TextLength(r, kMostNameCharacters);  // style name
  FontSize size;
  size.points = r.Double();
  size.pixels = r.I32();
  if (!(size.points == -1 || (size.points > 0 && size.points <= kLargestFontPoints)) ||
      !(size.pixels == -1 || (size.pixels > 0 && size.pixels <= kLargestFontPixels)))
    Refuse(QStringLiteral("a drawing command holds a font of an impossible size"));
  if (r.U8() > QFont::Fantasy) Refuse(QStringLiteral("a drawing command holds an invalid font"));
  r.U16();  // style strategy
  const quint16 weight = r.U16();
  r.U8();  // style bits
  const quint16 stretch = r.U16();
  r.U8();  // extended style bits
  const qint32 letterSpacing = r.I32();
  const qint32 wordSpacing = r.I32();
  const quint8 hinting = r.U8();
  const quint8 capitals = r.U8();
  if (weight < 1 || weight > 1000 || stretch > 4000 || qAbs(qint64(letterSpacing)) > kLargestSpacing ||
      qAbs(qint64(wordSpacing)) > kLargestSpacing || hinting > QFont::PreferFullHinting || capitals > QFont::Capitalize)
    Refuse(QStringLiteral("a drawing command holds an invalid font"));
  size.spaced = letterSpacing != 0 || wordSpacing != 0 || (stretch != QFont::AnyStretch && stretch < QFont::Unstretched);
  for (qint64 n = Counted(r, kMostFontFamilies, 4, "font families"); n > 0; --n) TextLength(r, kMostNameCharacters);
  return size;
}

// Walks a picture's command records, checks each and estimates the page's drawing work.
class PictureWalk {
 public:
  explicit PictureWalk(const QRectF& page) : estimate_(page) {}

  void Record(quint8 command, RecordReader& r) {
    switch (command) {
      case DrawEllipse: Ellipse(r); break;
      case DrawPolyline: Polyline(r); break;
      case DrawPath: Path(r); break;
      case DrawTextItem: TextItem(r); break;
      case Begin: Refuse(QStringLiteral("it holds a nested picture"));
      case End: ended_ = true; break;
      case SetFont: Size(Font(r).Em(1), "font"); break;
      case SetPen: Pen(r); break;
      case SetBrush: estimate_.SetBrush(Brush(r)); break;
      default: Refuse(QStringLiteral("it holds a drawing command the program never writes (%1)").arg(command));
    }
    if (r.Left() != 0) Refuse(QStringLiteral("a drawing command is longer than its contents"));
    if (estimate_.Exceeded()) Refuse(QStringLiteral("its drawing asks more of the painter than any page needs"));
  }
  bool Ended() const { return ended_; }
  const PageDrawingWork& Work() const { return estimate_.Work(); }

 private:
  static void RefuseFarOutside() { Refuse(QStringLiteral("a drawing command reaches far outside the page")); }
  double Coordinate(RecordReader& r, double low, double high) {
    const double value = Bounded(r.Double(), -kLargestCoordinate, kLargestCoordinate);
    if (value < low || value > high) RefuseFarOutside();
    return value;
  }
  // A point of a polyline, a path or where a text starts, which may lie beyond the reach
  // (PageDrawingEstimate::Reach).
  QPointF FigurePoint(RecordReader& r) {
    const double x = Coordinate(r, -kLargestCoordinate, kLargestCoordinate);
    return {x, Coordinate(r, -kLargestCoordinate, kLargestCoordinate)};
  }
  // A corner of an ellipse, within the reach.
  QPointF Point(RecordReader& r) {
    const QRectF& reach = estimate_.Reach();
    const double x = Coordinate(r, reach.left(), reach.right());
    return {x, Coordinate(r, reach.top(), reach.bottom())};
  }
  void FinishFigure(bool fillable) {
    if (!estimate_.FinishFigure(fillable)) RefuseFarOutside();
  }
  double Size(double size, const char* what) {
    if (size > estimate_.LargestSize())
      Refuse(QStringLiteral("a drawing command holds a %1 larger than the page").arg(QLatin1String(what)));
    return size;
  }

  void Ellipse(RecordReader& r) {
    const QPointF corner = Point(r);
    const QRectF& reach = estimate_.Reach();
    const double width = Coordinate(r, reach.left() - corner.x(), reach.right() - corner.x());
    const double height = Coordinate(r, reach.top() - corner.y(), reach.bottom() - corner.y());
    estimate_.Ellipse(QRectF(corner, QSizeF(width, height)));
  }

  void Polyline(RecordReader& r) {
    const qint64 points = Counted(r, kMostPoints, kPointBytes, "points");
    for (qint64 n = 0; n < points; ++n) {
      const QPointF point = FigurePoint(r);
      if (n == 0) estimate_.MoveTo(point); else estimate_.LineTo(point);
    }
    FinishFigure(false);
  }

  // A path's elements must form what QPainterPath builds: a move first, and every curve
  // followed by exactly its two control points.
  void Path(RecordReader& r) {
    const qint32 size = r.I32();
    if (size == 0) return;  // an empty path is the count alone
    if (size < 0 || quint32(size) > kMostPathElements) Refuse(QStringLiteral("a drawing command holds too many path elements"));
    r.Need(qsizetype(size) * kPathElementBytes + 8);
    int controlPointsDue = 0;
    QPointF curve[3];
    for (qint32 i = 0; i < size; ++i) {
      const qint32 type = r.I32();
      const QPointF point = FigurePoint(r);
      const bool control = type == QPainterPath::CurveToDataElement;
      const bool valid = i == 0 ? type == QPainterPath::MoveToElement
                                : (controlPointsDue > 0) == control && type >= 0 && type <= QPainterPath::CurveToDataElement;
      if (!valid) Refuse(QStringLiteral("a drawing command holds a malformed path"));
      if (type == QPainterPath::MoveToElement) estimate_.MoveTo(point);
      if (type == QPainterPath::LineToElement) estimate_.LineTo(point);
      if (type == QPainterPath::CurveToElement) curve[0] = point;
      if (control) curve[3 - controlPointsDue] = point;
      if (control && controlPointsDue == 1) estimate_.CurveTo(curve[0], curve[1], curve[2]);
      controlPointsDue = type == QPainterPath::CurveToElement ? 2 : std::max(controlPointsDue - 1, 0);
    }
    const qint32 subpathStart = r.I32();
    const qint32 fillRule = r.I32();
    if (controlPointsDue > 0 || subpathStart < 0 || subpathStart >= size || fillRule < Qt::OddEvenFill ||
        fillRule > Qt::WindingFill)
      Refuse(QStringLiteral("a drawing command holds a malformed path"));
    FinishFigure(true);
  }

  void TextItem(RecordReader& r) {
    const QPointF start = FigurePoint(r);  // a long line aligned right or centred starts far to the left
    const qint64 characters = TextLength(r, kMostTextCharacters);
    const FontSize font = Font(r);
    r.U32();                                             // text flags
    const double resolution = Bounded(r.Double(), 0.05, 20);  // the recording resolution over the standard one
    Bounded(r.Double(), 0, estimate_.Reach().width());   // justification width
    estimate_.Text(start, characters, Size(font.Em(resolution), "font"), font.spaced);
  }

  void Pen(RecordReader& r) {
    const quint16 style = r.U16();
    const int line = style & Qt::MPenStyle;
    const int cap = style & Qt::MPenCapStyle;
    const int join = style & Qt::MPenJoinStyle;
    if ((style & ~(int(Qt::MPenStyle) | int(Qt::MPenCapStyle) | int(Qt::MPenJoinStyle))) != 0 || line > Qt::CustomDashLine ||
        cap > Qt::RoundCap || join > Qt::SvgMiterJoin)
      Refuse(QStringLiteral("a drawing command holds an invalid pen"));
    const bool cosmetic = r.Bool();
    const double width = Size(Bounded(r.Double(), 0, kLargestPenWidth), "pen");
    StrokePen pen;
    pen.draws = line != Qt::NoPen;
    pen.width = std::max(width, 1.0);
    pen.hairline = width == 0 || (cosmetic && width <= 1);
    pen.round = cap == Qt::RoundCap || join == Qt::RoundJoin;
    pen.patterned = Brush(r).patterned;
    const double miterLimit = Bounded(r.Double(), 0, kLargestPenWidth);
    // A miter reaches up to half its limit in widths past its corner; other joins and caps half a width.
    pen.reach = join == Qt::MiterJoin || join == Qt::SvgMiterJoin ? std::max(miterLimit / 2, 0.5) : 0.5;
    auto [dashes, repetition] = DashStyle(line);
    const qint64 entries = Counted(r, kMostDashes, 8, "dashes");
    double pattern = 0;
    for (qint64 n = 0; n < entries; ++n) pattern += Bounded(r.Double(), 0, kLargestPenWidth);
    if (line != Qt::NoPen && line != Qt::SolidLine && entries > 0) {
      dashes = int((entries + 1) / 2);
      repetition = pattern;
    }
    pen.dashesPerRepetition = dashes;
    pen.dashRepetition = repetition;
    Bounded(r.Double(), -kLargestCoordinate, kLargestCoordinate);  // dash offset
    r.Bool();  // default width
    estimate_.SetPen(pen);
  }

  PageDrawingEstimate estimate_;
  bool ended_ = false;
};

enum class Checksum { Verify, LeftToLoad };

// The page's rectangle, from the picture's bounding rectangle.
QRectF CheckHeader(RecordReader& r, const QByteArray& bytes, Checksum checksum) {
  if (std::memcmp(r.Take(4).Data(), kPictureTag, 4) != 0) Refuse(QStringLiteral("it is not a page picture"));
  const quint16 stated = r.U16();
  if (checksum == Checksum::Verify && stated != qChecksum(QByteArrayView(bytes).sliced(kChecksummedFrom)))
    Refuse(QStringLiteral("its checksum does not match"));
  const quint16 major = r.U16();
  const quint16 minor = r.U16();
  if (major != kPagePictureFormat || minor != 0) Refuse(QStringLiteral("it is of a picture format the program never writes"));
  if (r.U8() != Begin || r.U8() != 4) Refuse(QStringLiteral("its header is invalid"));
  const qint32 left = r.I32();
  const qint32 top = r.I32();
  const qint32 width = r.I32();
  const qint32 height = r.I32();
  if (qAbs(qint64(left)) > kLargestPageSide || qAbs(qint64(top)) > kLargestPageSide || width < 1 ||
      width > kLargestPageSide || height < 1 || height > kLargestPageSide)
    Refuse(QStringLiteral("its page size is impossible"));
  return QRectF(left, top, width, height);
}

PageDrawingWork CheckPicture(const QByteArray& bytes) {
  RecordReader r(bytes.constData(), bytes.size());
  const QRectF page = CheckHeader(r, bytes, Checksum::LeftToLoad);
  const quint32 records = r.U32();
  PictureWalk walk(page);
  for (quint32 n = 0; n < records; ++n) {
    if (walk.Ended()) Refuse(QStringLiteral("it holds commands after its end"));
    const quint8 command = r.U8();
    const quint8 shortLength = r.U8();
    const quint32 length = shortLength == kLongLength ? r.U32() : shortLength;
    RecordReader payload = r.Take(length);
    walk.Record(command, payload);
  }
  if (!walk.Ended() || r.Left() != 0) Refuse(QStringLiteral("its end is missing"));
  return walk.Work();
}

}  // namespace

QString PictureCommandProblem(const QByteArray& pictureBytes) {
  try {
    CheckPicture(pictureBytes);
  } catch (const Refusal& refusal) {
    return refusal.reason;
  }
  return {};
}

std::optional<PageDrawingWork> PictureDrawingWork(const QByteArray& pictureBytes) {
  try {
    return CheckPicture(pictureBytes);
  } catch (const Refusal&) {
    return std::nullopt;
  }
}

QString PictureLoadProblem(const QByteArray& pictureBytes) {
  try {
    RecordReader r(pictureBytes.constData(), pictureBytes.size());
    CheckHeader(r, pictureBytes, Checksum::Verify);
  } catch (const Refusal& refusal) {
    return refusal.reason;
  }
  return QStringLiteral("its picture cannot be read");
}
