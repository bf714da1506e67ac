#include "platform/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace vq {
namespace {

enum class Picture { New, Open, Save, Print, PrintPreview, Cut, Copy, Paste, Delete, OutputControl, Units, Graph };

const QColor Ink(40, 40, 40);
const QColor Paper(250, 250, 250);

// Every picture is drawn on a 16 x 16 grid and scaled to the requested size.
void Page(QPainter& p, const QRectF& r, bool folded = true)
{
    QPainterPath path;
    const qreal fold = folded ? 3.0 : 0.0;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(path);
    if (folded)
        p.drawPolyline(
            QPolygonF({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}}));
}

void TextLines(QPainter& p, qreal left, qreal right, qreal top, int count)
{
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
}

void DrawNew(QPainter& p)
{
    Page(p, {3.5, 1.5, 9, 13});
    p.setPen(QPen(QColor(230, 170, 0), 1.2));
    p.drawLine(QPointF(11, 9), QPointF(15, 13));
    p.drawLine(QPointF(15, 9), QPointF(11, 13));
    p.drawLine(QPointF(13, 8.5), QPointF(13, 13.5));
    p.drawLine(QPointF(10.5, 11), QPointF(15.5, 11));
}

void DrawOpen(QPainter& p)
{
    p.setBrush(QColor(220, 170, 60));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor(250, 210, 110));
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void DrawSave(QPainter& p)
{
    p.setBrush(QColor(60, 100, 170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(Paper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.drawLine(QPointF(9.5, 2.5), QPointF(9.5, 5.5));
}

void PrinterBody(QPainter& p)
{
    Page(p, {4.5, 1.5, 7, 5}, false);
    p.setBrush(QColor(150, 150, 155));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void DrawPrint(QPainter& p)
{
    PrinterBody(p);
    p.setPen(QPen(QColor(40, 180, 60), 1));
    p.drawPoint(QPointF(12.5, 8.5));
}

void DrawPrintPreview(QPainter& p)
{
    Page(p, {1.5, 1.5, 9, 13});
    TextLines(p, 3.5, 8.5, 5, 4);
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(QColor(200, 225, 250, 200));
    p.drawEllipse(QPointF(10, 9), 3, 3);
    p.drawLine(QPointF(12.2, 11.2), QPointF(15, 14));
}

void DrawCut(QPainter& p)
{
    p.setPen(QPen(QColor(120, 120, 130), 1.3));
    p.drawLine(QPointF(5.5, 10), QPointF(11.5, 1.5));
    p.drawLine(QPointF(10.5, 10), QPointF(4.5, 1.5));
    p.setPen(QPen(QColor(200, 40, 40), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.2, 2.2);
    p.drawEllipse(QPointF(11.5, 12.5), 2.2, 2.2);
}

void DrawCopy(QPainter& p)
{
    Page(p, {1.5, 1.5, 8, 10}, false);
    TextLines(p, 3, 8, 4, 3);
    Page(p, {6.5, 4.5, 8, 10}, false);
    TextLines(p, 8, 13, 7, 4);
}

void DrawPaste(QPainter& p)
{
    p.setBrush(QColor(170, 120, 70));
    p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12), 1, 1);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(5.5, 1.5, 4, 2.5));
    Page(p, {6.5, 6.5, 8, 9}, false);
    TextLines(p, 8, 13, 9, 3);
}

void DrawDelete(QPainter& p)
{
    p.setPen(QPen(QColor(200, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void DrawOutputControl(QPainter& p)
{
    Page(p, {1.5, 1.5, 13, 13}, false);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 3.5 + 3.5 * i;
        p.setBrush(Paper);
        p.drawRect(QRectF(3.5, y, 2.5, 2.5));
        p.drawLine(QPointF(7.5, y + 1.25), QPointF(12.5, y + 1.25));
        if (i != 1) {
            p.setPen(QPen(QColor(30, 140, 50), 1.1));
            p.drawPolyline(QPolygonF({{3.8, y + 1.2}, {4.7, y + 2.2}, {6.5, y - 0.5}}));
            p.setPen(QPen(Ink, 1));
        }
    }
}

void DrawUnits(QPainter& p)
{
    p.setBrush(QColor(240, 210, 90));
    p.drawRect(QRectF(0.5, 5.5, 15, 5));
    for (int x = 2; x <= 14; x += 2)
        p.drawLine(QPointF(x + 0.5, 5.5), QPointF(x + 0.5, x % 4 == 0 ? 8.5 : 7.5));
}

void DrawGraph(QPainter& p)
{
    p.setBrush(Paper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.drawLine(QPointF(3.5, 3), QPointF(3.5, 12.5));
    p.drawLine(QPointF(3.5, 12.5), QPointF(13, 12.5));
    p.setPen(QPen(QColor(30, 90, 200), 1.4));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve(QPointF(4, 11.5));
    curve.cubicTo(QPointF(7, 11), QPointF(8, 4), QPointF(13, 3.5));
    p.drawPath(curve);
}

void Draw(QPainter& p, Picture picture)
{
    switch (picture) {
    case Picture::New: DrawNew(p); break;
    case Picture::Open: DrawOpen(p); break;
    case Picture::Save: DrawSave(p); break;
    case Picture::Print: DrawPrint(p); break;
    case Picture::PrintPreview: DrawPrintPreview(p); break;
    case Picture::Cut: DrawCut(p); break;
    case Picture::Copy: DrawCopy(p); break;
    case Picture::Paste: DrawPaste(p); break;
    case Picture::Delete: DrawDelete(p); break;
    case Picture::OutputControl: DrawOutputControl(p); break;
    case Picture::Units: DrawUnits(p); break;
    case Picture::Graph: DrawGraph(p); break;
    }
}

// Draws its picture at any size; greyed when disabled.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(Picture picture) : picture_(picture) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 16.0, side / 16.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        painter->setPen(QPen(Ink, 1));
        Draw(*painter, picture_);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(picture_); }
    QString key() const override { return QStringLiteral("vapoquant-drawn"); }

private:
    Picture picture_;
};

struct ToolPicture {
    int id;
    const char* theme;
    Picture fallback;
};

const ToolPicture ToolPictures[] = {
    {1001, "document-new", Picture::New},
    {1002, "document-open", Picture::Open},
    {1003, "document-save", Picture::Save},
    {1008, "document-print", Picture::Print},
    {1009, "document-print-preview", Picture::PrintPreview},
    {1101, "edit-cut", Picture::Cut},
    {1102, "edit-copy", Picture::Copy},
    {1103, "edit-paste", Picture::Paste},
    {1104, "edit-delete", Picture::Delete},
    {1201, "document-properties", Picture::OutputControl},
    {1202, "preferences-other", Picture::Units},
    // No standard name shows a graph.
    {1203, nullptr, Picture::Graph},
};

} // namespace

QIcon ToolIcon(int id)
{
    for (const ToolPicture& t : ToolPictures)
        if (t.id == id) {
            QIcon drawn(new DrawnIconEngine(t.fallback));
            return t.theme ? QIcon::fromTheme(t.theme, drawn) : drawn;
        }
    return {};
}

} // namespace vq
