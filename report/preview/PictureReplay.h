#pragma once
// Replaying a recorded page picture into a rectangle of any paint device.

#include <QRectF>

class QPainter;
class QPicture;

// Stretches the picture's bounding rectangle over target. The scale is set explicitly, so
// the result does not depend on the resolution the picture was recorded at or on the
// resolution of the painter's device.
void PlayPicture(QPainter& painter, const QPicture& picture, const QRectF& target);
