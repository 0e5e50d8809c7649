#include "PrimitiveRecorder.h"

#include "report/device/PagePicture.h"

#include <QFontInfo>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>

namespace {

class RecordingEngine : public QPaintEngine {
 public:
  explicit RecordingEngine(std::vector<DrawingCall>& calls) : QPaintEngine(AllFeatures), calls_(calls) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return User; }
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & DirtyPen) pen_ = state.pen();
    if (state.state() & DirtyBrush) brush_ = state.brush();
    if (state.state() & DirtyFont) font_ = state.font();
    if (state.state() & DirtyTransform) transform_ = state.transform();
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF& at, const QTextItem& item) override {
    DrawingCall call = Call(DrawingCall::Kind::Text);
    // The item's font was resolved for the recording; in pixels it keeps the size it was
    // drawn at on any device, where a size in points would grow with the PDF's resolution.
    call.font = item.font();
    call.font.setPixelSize(QFontInfo(item.font()).pixelSize());
    call.at = at;
    call.text = item.text();
    calls_.push_back(call);
  }
  void drawLines(const QLineF* lines, int count) override {
    DrawingCall call = Call(DrawingCall::Kind::Lines);
    for (int i = 0; i < count; ++i) call.points << lines[i].p1() << lines[i].p2();
    calls_.push_back(call);
  }
  void drawRects(const QRectF* rects, int count) override {
    DrawingCall call = Call(DrawingCall::Kind::Rects);
    for (int i = 0; i < count; ++i) call.points << rects[i].topLeft() << rects[i].bottomRight();
    calls_.push_back(call);
  }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    DrawingCall call = Call(mode == PolylineMode ? DrawingCall::Kind::Polyline : DrawingCall::Kind::Polygon);
    for (int i = 0; i < count; ++i) call.points << points[i];
    calls_.push_back(call);
  }
  void drawPath(const QPainterPath& path) override {
    DrawingCall call = Call(DrawingCall::Kind::Path);
    call.path = path;
    calls_.push_back(call);
  }

 private:
  DrawingCall Call(DrawingCall::Kind kind) const { return {kind, transform_, pen_, brush_, font_, {}, {}, {}, {}}; }

  std::vector<DrawingCall>& calls_;
  QPen pen_;
  QBrush brush_;
  QFont font_;
  QTransform transform_;
};

class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(std::vector<DrawingCall>& calls, QSize size, int dpi) : engine_(calls), size_(size), dpi_(dpi) {}
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth: return size_.width();
      case PdmHeight: return size_.height();
      case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi_;
      case PdmDepth: return 32;
      case PdmDevicePixelRatio: return 1;
      case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
      default: return QPaintDevice::metric(metric);
    }
  }

 private:
  mutable RecordingEngine engine_;
  QSize size_;
  int dpi_;
};

}  // namespace

std::vector<DrawingCall> RecordDrawingCalls(const QPicture& page, const QRectF& target, int dpi) {
  std::vector<DrawingCall> calls;
  RecordingDevice device(calls, target.size().toSize(), dpi);
  QPainter painter(&device);
  DrawPagePicture(painter, page, target);
  return calls;
}

// Each state is set only when it changes, as drawing code written by hand would: QPainter
// takes a transformation, brush or font set again as a change that the PDF engine acts on.
void DrawCalls(QPainter& painter, const std::vector<DrawingCall>& calls) {
  for (const DrawingCall& call : calls) {
    if (painter.transform() != call.transform) painter.setTransform(call.transform);
    painter.setPen(call.pen);
    if (painter.brush() != call.brush) painter.setBrush(call.brush);
    switch (call.kind) {
      case DrawingCall::Kind::Text:
        if (painter.font() != call.font) painter.setFont(call.font);
        painter.drawText(call.at, call.text);
        break;
      case DrawingCall::Kind::Lines:
        for (qsizetype i = 0; i + 1 < call.points.size(); i += 2) painter.drawLine(call.points[i], call.points[i + 1]);
        break;
      case DrawingCall::Kind::Rects:
        for (qsizetype i = 0; i + 1 < call.points.size(); i += 2)
          painter.drawRect(QRectF(call.points[i], call.points[i + 1]));
        break;
      case DrawingCall::Kind::Polygon:
        painter.drawPolygon(call.points);
        break;
      case DrawingCall::Kind::Polyline:
        painter.drawPolyline(call.points);
        break;
      case DrawingCall::Kind::Path:
        painter.drawPath(call.path);
        break;
    }
  }
}
