#include "shell/pictures/Neck.h"

TMaleNeck::TMaleNeck(QWidget* parent)
    : TPictureWindow({QStringLiteral("Neck"), QSize(112, 218), QPoint(504, 193),
                      QStringLiteral(":/pictures/neck.svg"), QSize(116, 217), Placement::TopLeft},
                     parent) {}
