// Colours derived from the palette that stay visible on it: a light theme and a dark one give the
// same highlight very different backgrounds, and a fixed tint that reads well on white is a faint
// smudge on near-black. Contrast is measured as the WCAG ratio of relative luminances.
#pragma once

#include <QColor>

class QPainter;
class QRect;

namespace slotsmith {

// 1 (the same luminance) to 21 (black on white).
double contrastRatio(const QColor& one, const QColor& other);

// The colour nearest to toward, mixed over base and then lightened or darkened away from base as
// far as needed, that stands at least ratio against base. Opaque.
QColor colourStandingOut(const QColor& base, const QColor& toward, double ratio);

// Turns the base colour of rect, already painted with text on it, into tint (a colour from
// colourStandingOut), keeping the text as legible as it was: a light base is multiplied, which
// leaves dark text dark, and a dark one screened, which leaves light text light.
void tintOverBase(QPainter& painter, const QRect& rect, const QColor& base, const QColor& tint);

// The contrast the drop line and the tinted rows keep against the list's base colour.
inline constexpr double kMarkContrast = 3.0;

}  // namespace slotsmith
