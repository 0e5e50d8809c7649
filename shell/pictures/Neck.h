#pragma once
// TMaleNeck: the "Neck" window, a man with the tape around his neck.

#include "shell/pictures/PictureWindow.h"

class TMaleNeck : public TPictureWindow {
  Q_OBJECT

 public:
  explicit TMaleNeck(QWidget* parent = nullptr);
};
