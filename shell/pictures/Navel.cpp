#include "shell/pictures/Navel.h"

TNavel::TNavel(QWidget* parent)
    : TPictureWindow({QStringLiteral("Navel"), QSize(140, 200), QPoint(560, 123), QStringLiteral(":/pictures/navel.svg"),
                      QSize(140, 200), Placement::TopLeft},
                     parent) {}
