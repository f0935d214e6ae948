#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

// The part of a frame inside its drawn border and below its caption.
[[nodiscard]] QRect frameInside(const QGroupBox *frame);

// The placement tables were drawn for thinner frame borders and captions:
// moves each frame's controls inside its border, shrinking one only where
// the frame has no room left for its size.
void keepInsideFrames(QWidget *window);
