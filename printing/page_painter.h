// The print control's pages on Qt: text measured in the report font at 1440 dots per
// inch, so that one dot is one twip, and pages painted on any paint device.
#pragma once

#include "printing/layout/print_control.h"

#include <QFont>

class QPainter;

namespace vq {

class QtTextMeasurer final : public TextMeasurer {
public:
    double Width(const std::string& text, const PrintFont& font) const override;
    double Height(const PrintFont& font) const override;
};

QFont ToQFont(const PrintFont& font);

// Paints page n of the control; the painter's coordinates are scaled so that one unit
// is scale device units per twip.
void PaintPrintPage(QPainter& painter, const PrintControl& printer, int page, double scale);

} // namespace vq
