#include "shell/pictures/Waist.h"

TMaleAbdomen::TMaleAbdomen(QWidget* parent)
    : TPictureWindow({QStringLiteral("Abdomen"), QSize(113, 215), QPoint(45, 123),
                      QStringLiteral(":/pictures/waist.svg"), QSize(112, 219), Placement::TopLeft},
                     parent) {}
