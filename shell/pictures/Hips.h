#pragma once
// TFemHips: the "Hips" window, a woman's hips measured; the drawing is stretched to the window.

#include "shell/pictures/PictureWindow.h"

class TFemHips : public TPictureWindow {
  Q_OBJECT

 public:
  explicit TFemHips(QWidget* parent = nullptr);
};
