#pragma once
// TMaleAbdomen: the "Abdomen" window, a man with the tape around his abdomen.

#include "shell/pictures/PictureWindow.h"

class TMaleAbdomen : public TPictureWindow {
  Q_OBJECT

 public:
  explicit TMaleAbdomen(QWidget* parent = nullptr);
};
