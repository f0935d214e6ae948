#pragma once

#include <QRect>

class QGroupBox;
class QWidget;

// The part of a frame inside its drawn border and below its caption.
[[nodiscard]] QRect frameInside(const QGroupBox *frame);

// The placement tables were drawn for thinner frame borders and captions:
// moves each frame's controls inside its border. A control larger than the
// room inside is not shrunk, so the fault shows.
void keepInsideFrames(QWidget *window);
