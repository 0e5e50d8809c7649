#pragma once
// A panel drawn with the classic bevels: an outer bevel, a border gap, an inner bevel and,
// optionally, a sunken single-line border around it all. Children are placed with
// absolute positions; FillRect() is where a child that fills the panel goes.

#include <QColor>
#include <QString>
#include <QWidget>

enum class Bevel { None, Lowered, Raised };

class TBevelPanel : public QWidget {
  Q_OBJECT
 public:
  // The usual panel: a raised outer bevel of one pixel and nothing else.
  explicit TBevelPanel(QWidget* parent);

  void SetBevels(Bevel outer, Bevel inner, int bevelWidth = 1);
  void SetBorder(int borderWidth, bool singleLine = false);
  void SetColor(const QColor& color);
  void SetCaption(const QString& caption);

  // The area inside every bevel and border.
  QRect FillRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int FrameWidth() const;

  Bevel outer_ = Bevel::Raised;
  Bevel inner_ = Bevel::None;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  bool singleLine_ = false;
  QColor color_;
  QString caption_;
};

// A panel with the lowered inner bevel used for pages, strips and bars.
TBevelPanel* NewLoweredPanel(QWidget* parent, const QRect& geometry);
