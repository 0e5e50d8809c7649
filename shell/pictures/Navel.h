#pragma once
// TNavel: the "Navel" window of the one-site tape method, a soldier facing the viewer with
// the tape level around the abdomen across the navel.

#include "shell/pictures/PictureWindow.h"

class TNavel : public TPictureWindow {
  Q_OBJECT

 public:
  explicit TNavel(QWidget* parent = nullptr);
};
