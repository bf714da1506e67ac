#include "printing/page_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace vq {

namespace {

// A device of 1440 dots per inch for the font metrics.
const QPaintDevice& TwipDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(1440 / 0.0254 + 0.5);
        i.setDotsPerMeterX(dotsPerMeter);
        i.setDotsPerMeterY(dotsPerMeter);
        return i;
    }();
    return image;
}

} // namespace

QFont ToQFont(const PrintFont& font)
{
    QFont f(QString::fromStdString(font.name));
    f.setPointSizeF(font.size);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

double QtTextMeasurer::Width(const std::string& text, const PrintFont& font) const
{
    return QFontMetricsF(ToQFont(font), &TwipDevice()).horizontalAdvance(QString::fromStdString(text));
}

double QtTextMeasurer::Height(const PrintFont& font) const
{
    return QFontMetricsF(ToQFont(font), &TwipDevice()).height();
}

void PaintPrintPage(QPainter& painter, const PrintControl& printer, int page, double scale)
{
    painter.save();
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    for (const PageItem& item : printer.Page(page).items) {
        switch (item.kind) {
        case PageItemKind::Text: {
            // Fonts are sized for 1440 dots per inch; the painter is in twips.
            QFont f = ToQFont(item.font);
            f.setPointSizeF(item.font.size * 1440.0 / 72.0 / painter.device()->logicalDpiY() * 72.0);
            painter.setFont(f);
            painter.setPen(Qt::black);
            const QFontMetricsF fm(f, painter.device());
            painter.drawText(QPointF(item.x1, item.y1 + fm.ascent()), QString::fromStdString(item.text));
            break;
        }
        case PageItemKind::Line:
        case PageItemKind::Box: {
            QPen pen(Qt::black);
            pen.setWidthF(std::max(1, item.penWidth));
            painter.setPen(pen);
            if (item.kind == PageItemKind::Line)
                painter.drawLine(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2));
            else
                painter.drawRect(QRectF(QPointF(item.x1, item.y1), QPointF(item.x2, item.y2)));
            break;
        }
        }
    }
    painter.restore();
}

} // namespace vq
