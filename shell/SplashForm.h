#pragma once
// The splash window shown while the program creates its windows.

#include "shell/TickSource.h"

#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;
class TBevelPanel;

class TSplash : public QWidget {
  Q_OBJECT
 public:
  // How long the splash stays up at least, in milliseconds.
  static constexpr uint32_t kMinimumShowTime = 3000;
  static constexpr int kProgressStep = 20;

  explicit TSplash(TickSource ticks);

  // Advances the progress bar by one step.
  void StepIt();

  uint32_t ShowTicks = 0;

  TBevelPanel* DisplayPanel;
  QLabel* Logo;
  QLabel* TitleBack;
  QLabel* TitleFront;
  QLabel* Version;
  QLabel* Credits;
  TBevelPanel* ActionPanel;
  QProgressBar* ProgressBar;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void FormCloseQuery();
  void BuildFrame();
  void BuildDisplay();

  TickSource ticks_;
};
