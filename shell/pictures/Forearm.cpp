#include "shell/pictures/Forearm.h"

TFemArm::TFemArm(QWidget* parent)
    : TPictureWindow({QStringLiteral("Forearm"), QSize(157, 194), QPoint(12, 24),
                      QStringLiteral(":/pictures/forearm.svg"), QSize(156, 193), Placement::TopLeft},
                     parent) {}
