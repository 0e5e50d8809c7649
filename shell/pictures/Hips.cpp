#include "shell/pictures/Hips.h"

TFemHips::TFemHips(QWidget* parent)
    : TPictureWindow({QStringLiteral("Hips"), QSize(116, 209), QPoint(52, 221),
                      QStringLiteral(":/pictures/hips.svg"), QSize(116, 213), Placement::Stretched},
                     parent) {}
