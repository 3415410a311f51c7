#pragma once

#include <QRect>

class QPainter;

namespace sced {

// The ground of a dialog's drawing area: the skin's background inside a
// thin bronze frame, so the designer sees where to point and drag.
void PaintDrawingArea(QPainter& painter, const QRect& area);

}  // namespace sced
