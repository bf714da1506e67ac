#include "printing/graph_chart.h"

#include "common/safe_file.h"
#include "printing/print_hand_over.h"

#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vq {

namespace {

constexpr int MaxPoints = 32767;
const QSize DefaultPictureSize(800, 600);

QFont PixelFont(const QFont& base, double pixels, bool bold)
{
    QFont f(base);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setBold(bold);
    return f;
}

double Map(double v, double fromMin, double fromMax, double toMin, double toMax)
{
    return toMin + (v - fromMin) / (fromMax - fromMin) * (toMax - toMin);
}

std::pair<double, double> DataRange(const std::vector<float>& values)
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    for (float v : values) {
        if (!std::isfinite(v))
            continue;
        lo = std::min(lo, static_cast<double>(v));
        hi = std::max(hi, static_cast<double>(v));
    }
    return {lo, hi};
}

// The part of the segment a-b inside clip, as fractions t0 <= t1 of the way from a
// to b; false when none is.
bool ClipSegment(QPointF a, QPointF b, const QRectF& clip, double& t0, double& t1)
{
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    // Each side: the inside is where q - p t >= 0.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - clip.left(), clip.right() - a.x(), a.y() - clip.top(), clip.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 <= t1;
}

// The polyline through the points, cut at the rectangle: one subpath per run inside it.
QPainterPath ClippedPolyline(const std::vector<QPointF>& points, const QRectF& clip)
{
    QPainterPath path;
    bool joined = false; // the last segment ended at its own end point, inside
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF a = points[i - 1], b = points[i];
        double t0 = 0.0, t1 = 1.0;
        if (!ClipSegment(a, b, clip, t0, t1)) {
            joined = false;
            continue;
        }
        if (!joined || t0 > 0.0)
            path.moveTo(a + (b - a) * t0);
        path.lineTo(a + (b - a) * t1);
        joined = t1 == 1.0;
    }
    return path;
}

} // namespace

GraphChart::GraphChart(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
}

void GraphChart::SetAction(int action)
{
    action_ = action;
    switch (action) {
    case GraphActionClear:
        x_.clear();
        y_.clear();
        graphTitle_.clear();
        bottomTitle_.clear();
        leftTitle_.clear();
        drawn_ = false;
        update();
        break;
    case GraphActionDraw:
        drawn_ = true;
        everDrawn_ = true;
        bitmapDrawing_ = false;
        update();
        break;
    case GraphActionBitmap:
        bitmapDrawing_ = true;
        break;
    case GraphActionCopy:
        Copy();
        break;
    case GraphActionPrint:
        Print();
        break;
    case GraphActionWriteFile:
        WriteFile();
        if (bitmapDrawing_)
            action_ = GraphActionBitmap;
        break;
    default:
        break;
    }
}

void GraphChart::SetPointCount(int n)
{
    if (n < 1 || n > MaxPoints)
        return;
    x_.resize(static_cast<std::size_t>(n), 0.0f);
    y_.resize(static_cast<std::size_t>(n), 0.0f);
}

void GraphChart::SetDataValue(int point, float value)
{
    if (point >= 1 && point <= PointCount())
        y_[static_cast<std::size_t>(point - 1)] = value;
}

void GraphChart::SetXPosition(int point, float value)
{
    if (point >= 1 && point <= PointCount())
        x_[static_cast<std::size_t>(point - 1)] = value;
}

float GraphChart::DataValue(int point) const
{
    return point >= 1 && point <= PointCount() ? y_[static_cast<std::size_t>(point - 1)] : 0.0f;
}

float GraphChart::XPosition(int point) const
{
    return point >= 1 && point <= PointCount() ? x_[static_cast<std::size_t>(point - 1)] : 0.0f;
}

GraphAxisScale GraphChart::BottomScale() const
{
    if (bottomScaleMode_ == GraphScaleFixed)
        return ScaleGraphAxis(bottomFixedMin_, bottomFixedMax_, GraphScaleData);
    const auto [lo, hi] = DataRange(x_);
    return ScaleGraphAxis(lo, hi, bottomScaleMode_);
}

GraphAxisScale GraphChart::LeftScale() const
{
    if (leftScaleMode_ == GraphScaleFixed)
        return ScaleGraphAxis(leftFixedMin_, leftFixedMax_, GraphScaleData);
    const auto [lo, hi] = DataRange(y_);
    return ScaleGraphAxis(lo, hi, leftScaleMode_);
}

void GraphChart::SetBottomFixedScale(double min, double max)
{
    bottomScaleMode_ = GraphScaleFixed;
    bottomFixedMin_ = min;
    bottomFixedMax_ = max;
}

void GraphChart::SetLeftFixedScale(double min, double max)
{
    leftScaleMode_ = GraphScaleFixed;
    leftFixedMin_ = min;
    leftFixedMax_ = max;
}

void GraphChart::ForgetCustomBottomAxis()
{
    customBottomTitle_.reset();
    if (bottomScaleMode_ == GraphScaleFixed)
        bottomScaleMode_ = GraphScaleRounded;
}

void GraphChart::ForgetCustomLeftAxis()
{
    customLeftTitle_.reset();
    if (leftScaleMode_ == GraphScaleFixed)
        leftScaleMode_ = GraphScaleRounded;
}

QSize GraphChart::PictureSize() const
{
    return width() >= 320 && height() >= 240 ? size() : DefaultPictureSize;
}

QImage GraphChart::Picture(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void GraphChart::Copy()
{
    lastError_.clear();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        lastError_ = "The clipboard is not available.";
        return;
    }
    clipboard->setImage(Picture(PictureSize()));
}

void GraphChart::Print()
{
    lastError_.clear();
    if (!printer_) {
        lastError_ = "No printer was chosen.";
        return;
    }
    QPainter painter;
    if (!painter.begin(printer_)) {
        lastError_ = "The printer could not be started.";
        return;
    }
    // The page's width at the picture's proportions, from the top of the page.
    const QRectF page = painter.viewport();
    const QSizeF picture(PictureSize());
    QSizeF fitted = picture.scaled(page.size(), Qt::KeepAspectRatio);
    Render(painter, QRectF(page.topLeft(), fitted));
    if (!painter.end())
        lastError_ = "The graph could not be printed.";
    else
        lastError_ = HandOverRefusal(*printer_); // the print system's answer to this job
}

std::vector<std::string> GraphChart::WritableImageTypes()
{
    std::vector<std::string> types{"svg"};
    for (const QByteArray& f : QImageWriter::supportedImageFormats())
        if (f.toLower() != "svg")
            types.push_back(f.toLower().toStdString());
    return types;
}

void GraphChart::WriteFile()
{
    lastError_.clear();
    const QString type = QFileInfo(imageFile_).suffix().toLower();
    const std::vector<std::string> types = WritableImageTypes();
    if (type.isEmpty() || std::find(types.begin(), types.end(), type.toStdString()) == types.end()) {
        lastError_ = type.isEmpty() ? "The file name has no extension that names an image format."
                                    : "Graphs cannot be saved in the " + type.toUpper().toStdString()
                                          + " format. Choose PNG (*.png), JPEG (*.jpg), Bitmap (*.bmp) or SVG (*.svg).";
        return;
    }
    QByteArray bytes;
    if (!(type == "svg" ? WriteSvg(bytes) : WriteBitmap(type, bytes)))
        return;
    std::string error;
    if (!WriteFileSafely(imageFile_.toStdString(), bytes.toStdString(), error))
        lastError_ = error;
}

bool GraphChart::WriteBitmap(const QString& type, QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, type.toLatin1());
    if (type == "jpg" || type == "jpeg")
        writer.setQuality(90);
    if (writer.write(Picture(PictureSize())))
        return true;
    lastError_ = writer.errorString().toStdString();
    return false;
}

bool GraphChart::WriteSvg(QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = PictureSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    QPainter painter;
    if (!painter.begin(&generator)) {
        lastError_ = "The SVG picture could not be made.";
        return false;
    }
    Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return true;
}

void GraphChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Render(painter, QRectF(rect()));
}

void GraphChart::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit DoubleClicked();
}

void GraphChart::Render(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, !bitmapDrawing_);
    painter.setRenderHint(QPainter::TextAntialiasing, !bitmapDrawing_);

    const double unit = std::max(7.0, std::min(area.width() / 60.0, area.height() / 38.0));
    const QFont textFont = PixelFont(font(), unit, false);
    const QFont titleFont = PixelFont(font(), unit * 1.3, true);
    const double pad = unit * 0.8;
    const double thin = std::max(1.0, unit / 12.0);

    if (!drawn_ || y_.empty()) {
        if (!everDrawn_) {
            painter.setFont(textFont);
            painter.setPen(Qt::black);
            painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(GraphPromptText));
        }
        painter.restore();
        return;
    }

    const GraphAxisScale xs = BottomScale();
    const GraphAxisScale ys = LeftScale();
    const std::vector<double> xTicks = GraphAxisTicks(xs);
    const std::vector<double> yTicks = GraphAxisTicks(ys);
    QStringList yLabels;
    for (double v : yTicks)
        yLabels << QString::fromStdString(GraphTickLabel(v, leftFormat_));
    QStringList xLabels;
    for (double v : xTicks)
        xLabels << QString::fromStdString(GraphTickLabel(v, bottomFormat_));

    const QFontMetricsF textMetrics(textFont);
    const QFontMetricsF titleMetrics(titleFont);
    double yLabelWidth = 0.0;
    for (const QString& s : yLabels)
        yLabelWidth = std::max(yLabelWidth, textMetrics.horizontalAdvance(s));
    const double lastXLabel = xLabels.isEmpty() ? 0.0 : textMetrics.horizontalAdvance(xLabels.back());
    const QString graphTitle = ShownGraphTitle();
    const QString bottomTitle = ShownBottomTitle();
    const QString leftTitle = ShownLeftTitle();

    // Title over the plot, wrapped when it is wider than the area.
    const QRectF titleBox(area.left() + pad, area.top() + pad, area.width() - 2 * pad, area.height() / 4);
    const QRectF titleUsed = graphTitle.isEmpty()
        ? QRectF(titleBox.topLeft(), QSizeF(0, 0))
        : titleMetrics.boundingRect(titleBox, Qt::AlignHCenter | Qt::TextWordWrap, graphTitle);

    QRectF plot;
    plot.setTop(titleUsed.bottom() + pad * 1.5);
    plot.setLeft(area.left() + pad + (leftTitle.isEmpty() ? 0.0 : textMetrics.height() + pad) + yLabelWidth + pad * 0.6);
    plot.setRight(area.right() - pad - std::max(pad, lastXLabel / 2));
    plot.setBottom(area.bottom() - pad - (bottomTitle.isEmpty() ? 0.0 : textMetrics.height() + pad * 0.5)
                   - textMetrics.height() - pad * 0.6);
    if (plot.width() < 10 || plot.height() < 10) {
        painter.restore();
        return;
    }

    auto px = [&](double x) { return Map(x, xs.min, xs.max, plot.left(), plot.right()); };
    auto py = [&](double y) { return Map(y, ys.min, ys.max, plot.bottom(), plot.top()); };

    painter.setPen(Qt::black);
    if (!graphTitle.isEmpty()) {
        painter.setFont(titleFont);
        painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, graphTitle);
    }

    // Grid, frame, ticks and labels.
    painter.setFont(textFont);
    const double tick = pad * 0.5;
    if (gridLines_) {
        painter.setPen(QPen(QColor(210, 210, 210), thin));
        for (double v : yTicks)
            painter.drawLine(QPointF(plot.left(), py(v)), QPointF(plot.right(), py(v)));
    }
    painter.setPen(QPen(Qt::black, thin));
    painter.drawRect(plot);
    for (int i = 0; i < static_cast<int>(yTicks.size()); ++i) {
        const double y = py(yTicks[static_cast<std::size_t>(i)]);
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        const QRectF box(plot.left() - tick - yLabelWidth - pad, y - textMetrics.height(), yLabelWidth + pad * 0.7,
                         textMetrics.height() * 2);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, yLabels[i]);
    }
    for (int i = 0; i < static_cast<int>(xTicks.size()); ++i) {
        const double x = px(xTicks[static_cast<std::size_t>(i)]);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        const double w = textMetrics.horizontalAdvance(xLabels[i]) + pad;
        painter.drawText(QRectF(x - w / 2, plot.bottom() + tick, w, textMetrics.height() + pad * 0.3),
                         Qt::AlignHCenter | Qt::AlignTop, xLabels[i]);
    }
    if (!bottomTitle.isEmpty())
        painter.drawText(QRectF(plot.left(), area.bottom() - pad - textMetrics.height() - pad * 0.2, plot.width(),
                                textMetrics.height() + pad * 0.2),
                         Qt::AlignHCenter | Qt::AlignVCenter, bottomTitle);
    if (!leftTitle.isEmpty()) {
        painter.save();
        painter.translate(area.left() + pad + textMetrics.height() / 2, plot.center().y());
        painter.rotate(-90);
        painter.drawText(QRectF(-plot.height() / 2 - pad * 4, -textMetrics.height() / 2, plot.height() + pad * 8,
                                textMetrics.height()),
                         Qt::AlignCenter, leftTitle);
        painter.restore();
    }

    // The data set.
    // Marks may reach over the frame, except on a fixed axis: points outside its
    // bounds are cut at the frame.
    const double xOver = bottomScaleMode_ == GraphScaleFixed ? 0.0 : pad;
    const double yOver = leftScaleMode_ == GraphScaleFixed ? 0.0 : pad;
    const QRectF clip = plot.adjusted(-xOver, -yOver, xOver, yOver);
    painter.setClipRect(clip);
    // The SVG writer drops clipping: what it is given is cut to the clip here.
    const bool cutHere = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
    std::vector<QPointF> points;
    for (std::size_t i = 0; i < y_.size(); ++i)
        points.emplace_back(px(x_[i]), py(y_[i]));
    const QColor ink(0, 70, 170);
    const bool joined = lineStyle_ == 1 && penStyle_ != Qt::NoPen;
    if (joined && points.size() > 1) {
        QPainterPath path;
        if (cutHere) {
            path = ClippedPolyline(points, clip);
        } else {
            path.moveTo(points[0]);
            for (std::size_t i = 1; i < points.size(); ++i)
                path.lineTo(points[i]);
        }
        const double width = thin * (wideLine_ == 1 ? 3.0 : 1.5) * lineWidth_;
        painter.setPen(QPen(ink, width, static_cast<Qt::PenStyle>(penStyle_), Qt::SquareCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    if (pointMarks_ || !joined || points.size() == 1) {
        const double r = unit * 0.28;
        painter.setPen(QPen(ink, thin));
        painter.setBrush(ink);
        for (const QPointF& p : points) {
            // A mark with its outline, as one shape.
            const double outer = r + thin / 2;
            const QRectF mark(p.x() - outer, p.y() - outer, 2 * outer, 2 * outer);
            if (!cutHere || clip.contains(mark)) {
                painter.drawEllipse(p, r, r);
            } else if (clip.intersects(mark)) {
                QPainterPath shape;
                shape.addEllipse(mark);
                QPainterPath inside;
                inside.addRect(clip);
                painter.fillPath(shape.intersected(inside), ink);
            }
        }
    }
    painter.restore();
}

} // namespace vq
