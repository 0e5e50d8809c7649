#pragma once
// Records and closes every message box that opens while a watcher lives, so a test can
// drive code that shows modal boxes without blocking, then check what was shown.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVector>

class MessageBoxWatcher {
 public:
  struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon;
  };

  MessageBoxWatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeOpenBoxes(); });
    timer_.start();
  }

  const QVector<Box>& boxes() const { return boxes_; }
  int count() const { return boxes_.size(); }
  QString lastText() const { return boxes_.isEmpty() ? QString() : boxes_.last().text; }
  void clear() { boxes_.clear(); }

 private:
  void closeOpenBoxes() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box == nullptr || !box->isVisible() || seen_.contains(box)) continue;
      seen_.append(box);
      boxes_.append({box->windowTitle(), box->text(), box->icon()});
      box->done(QMessageBox::Ok);
    }
    seen_.removeAll(nullptr);
  }

  QTimer timer_;
  QVector<Box> boxes_;
  QVector<QPointer<QMessageBox>> seen_;
};
