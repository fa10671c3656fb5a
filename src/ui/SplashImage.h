// The splash picture, painted once in code: a rounded card with the application's name and a
// strip of slot cells. Transparent outside the card, so the splash window takes the card's shape.
#pragma once

#include <QImage>

namespace slotsmith {

// The picture at its natural size (480 x 300), cached after the first call.
const QImage& splashImage();

}  // namespace slotsmith
