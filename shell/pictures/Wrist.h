#pragma once
// TFemWrist: the "Wrist" window, a woman's wrist measured; the drawing is centred in the window.

#include "shell/pictures/PictureWindow.h"

class TFemWrist : public TPictureWindow {
  Q_OBJECT

 public:
  explicit TFemWrist(QWidget* parent = nullptr);
};
