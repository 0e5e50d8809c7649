#pragma once
// TFemArm: the "Forearm" window, a woman's forearm measured.

#include "shell/pictures/PictureWindow.h"

class TFemArm : public TPictureWindow {
  Q_OBJECT

 public:
  explicit TFemArm(QWidget* parent = nullptr);
};
