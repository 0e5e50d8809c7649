#include "shell/pictures/Wrist.h"

TFemWrist::TFemWrist(QWidget* parent)
    : TPictureWindow({QStringLiteral("Wrist"), QSize(158, 201), QPoint(461, 10),
                      QStringLiteral(":/pictures/wrist.svg"), QSize(160, 200), Placement::Centred},
                     parent) {}
