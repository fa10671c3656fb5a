#include "ui/PaletteContrast.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace slotsmith {

namespace {

double channel(double value) {
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

QColor mixed(const QColor& from, const QColor& to, double share) {
  return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
                          static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
                          static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

}  // namespace

double contrastRatio(const QColor& one, const QColor& other) {
  const double a = luminance(one);
  const double b = luminance(other);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor colourStandingOut(const QColor& base, const QColor& toward, double ratio) {
  // First as little of base as it takes; then, if the colour itself is too close to base (a dark
  // blue highlight on a dark background), towards white or black, whichever lies away from base.
  constexpr int kSteps = 20;
  for (int step = 0; step <= kSteps; ++step) {
    const QColor candidate = mixed(base, toward, 0.35 + 0.65 * step / kSteps);
    if (contrastRatio(candidate, base) >= ratio) return candidate;
  }
  const QColor away = luminance(base) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
  for (int step = 1; step <= kSteps; ++step) {
    const QColor candidate = mixed(toward, away, static_cast<double>(step) / kSteps);
    if (contrastRatio(candidate, base) >= ratio) return candidate;
  }
  return away;
}

void tintOverBase(QPainter& painter, const QRect& rect, const QColor& base, const QColor& tint) {
  const bool light = luminance(base) >= 0.18;
  const auto factor = [light](double from, double to) {
    // Multiply: from * f = to. Screen: 1 - (1 - from)(1 - f) = to.
    const double f = light ? (from > 0.0 ? to / from : 1.0)
                           : (from < 1.0 ? 1.0 - (1.0 - to) / (1.0 - from) : 0.0);
    return static_cast<float>(std::clamp(f, 0.0, 1.0));
  };
  painter.save();
  painter.setCompositionMode(light ? QPainter::CompositionMode_Multiply
                                   : QPainter::CompositionMode_Screen);
  painter.fillRect(
      rect, QColor::fromRgbF(factor(base.redF(), tint.redF()), factor(base.greenF(), tint.greenF()),
                             factor(base.blueF(), tint.blueF())));
  painter.restore();
}

}  // namespace slotsmith
