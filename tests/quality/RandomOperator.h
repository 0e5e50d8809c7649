#pragma once
// An operator at the keyboard and mouse who acts at random, driven by a seed: presses keys
// in the active window, clicks the main window's fields, radio buttons, arrows and picture
// headings, now and then types a plausible value, fills a whole page, or works with an
// open measuring picture. It never presses Quit or Print Form (by click or by Enter). The same seed always gives
// the same actions.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>

class QWidget;
class TMainForm;

class RandomOperator {
 public:
  RandomOperator(TMainForm& form, std::uint32_t seed);

  // Performs one action and lets its events run; returns what it did.
  QString Act();
  // Input events (key presses and clicks) delivered so far.
  int Events() const { return events_; }

 private:
  QString PressKey();
  QString ClickControl();
  QString TypePlausibleValue();
  QString FillVisiblePage();
  QString UsePictureWindow();

  void Click(QWidget* widget);
  void Key(QWidget* window, int key, bool shift = false);
  void TypeInto(QWidget* field, const QString& keys);
  // A value the operator might really type into field, as keys.
  QString PlausibleKeys(QWidget* field);
  QString DecimalKeys(double low, double high);

  QWidget* KeyWindow() const;
  QWidget* VisiblePage() const;
  QList<QWidget*> ClickableControls() const;
  QList<QWidget*> TextFields() const;
  QList<QWidget*> VisiblePictureWindows() const;

  int Below(int n);  // uniform in 0..n-1
  template <typename T>
  T Pick(const QList<T>& items) {
    return items[Below(static_cast<int>(items.size()))];
  }

  TMainForm& form_;
  std::mt19937 random_;
  int events_ = 0;
};
