// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/colours.h"

#include <cmath>

namespace gear::ui {

namespace {

double relativeLuminance(const QColor& colour)
{
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background, double minimum)
{
    if (contrastRatio(text, background) >= minimum)
        return text;
    const QColor target = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background)
                              ? QColor(Qt::white)
                              : QColor(Qt::black);
    constexpr int kSteps = 20;
    for (int step = 1; step < kSteps; ++step) {
        const QColor candidate = mix(text, target, static_cast<double>(step) / kSteps);
        if (contrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return target;
}

} // namespace gear::ui
