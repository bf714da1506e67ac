// The chart of the graph window: one data set of points drawn as a line graph with
// QPainter. It is driven like a chart control: properties are set, then an action is
// written (clear, draw, bitmap drawing, copy, print, write the image file).
#pragma once

#include "printing/graph_axis_logic.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QByteArray;
class QImage;
class QPainter;
class QPrinter;

namespace vq {

enum GraphAction : int {
    GraphActionClear = 1,
    GraphActionDraw = 2,
    GraphActionBitmap = 3,
    GraphActionCopy = 4,
    GraphActionPrint = 5,
    GraphActionWriteFile = 6,
};

// The chart's text until the first draw.
inline constexpr const char* GraphPromptText = "Click \"Show Graph\" button to display graph";

class GraphChart : public QWidget {
    Q_OBJECT
public:
    explicit GraphChart(QWidget* parent = nullptr);

    // Writing an action performs it; reading gives the last one written, except that
    // after writing the image file in bitmap drawing it reads 3 until the next draw.
    void SetAction(int action);
    int Action() const { return action_; }

    // Number of points (1 to 32767; others are ignored). Growing keeps the points set.
    void SetPointCount(int n);
    int PointCount() const { return static_cast<int>(y_.size()); }
    void SetDataSetCount(int n) { dataSets_ = n; }
    int DataSetCount() const { return dataSets_; }
    // Point index from 1; an index outside the count is ignored.
    void SetDataValue(int point, float value);
    void SetXPosition(int point, float value);
    float DataValue(int point) const;
    float XPosition(int point) const;

    void SetGraphTitle(const QString& t) { graphTitle_ = t; }
    void SetBottomTitle(const QString& t) { bottomTitle_ = t; }
    void SetLeftTitle(const QString& t) { leftTitle_ = t; }
    QString GraphTitle() const { return graphTitle_; }
    QString BottomTitle() const { return bottomTitle_; }
    QString LeftTitle() const { return leftTitle_; }
    void SetBottomLabelFormat(const std::string& f) { bottomFormat_ = f; }
    void SetLeftLabelFormat(const std::string& f) { leftFormat_ = f; }
    const std::string& BottomLabelFormat() const { return bottomFormat_; }
    const std::string& LeftLabelFormat() const { return leftFormat_; }

    // Scale modes (GraphScaleData, GraphScaleRounded) and the resulting axis bounds
    // for the points set so far.
    int BottomScaleMode() const { return bottomScaleMode_; }
    int LeftScaleMode() const { return leftScaleMode_; }
    void SetBottomScaleMode(int mode) { bottomScaleMode_ = mode; }
    void SetLeftScaleMode(int mode) { leftScaleMode_ = mode; }
    float BottomMax() const { return static_cast<float>(BottomScale().max); }
    float BottomMin() const { return static_cast<float>(BottomScale().min); }
    float LeftMax() const { return static_cast<float>(LeftScale().max); }
    float LeftMin() const { return static_cast<float>(LeftScale().min); }

    // First style setting: 1 joins the points with lines, 0 leaves them apart.
    // Second: 1 draws the line twice as wide, 0 at its normal width.
    void SetLineStyle(int style) { lineStyle_ = style; }
    void SetWideLine(int style) { wideLine_ = style; }
    int LineStyle() const { return lineStyle_; }
    int WideLine() const { return wideLine_; }
    // Customised choices, kept over draws: a mark on each point (always drawn when the
    // points are not joined) and horizontal grid lines at the vertical ticks.
    void SetPointMarks(bool on) { pointMarks_ = on; }
    bool PointMarks() const { return pointMarks_; }
    void SetGridLines(bool on) { gridLines_ = on; }
    bool GridLines() const { return gridLines_; }

    // Target of action 6; its extension picks the format.
    void SetImageFile(const QString& path) { imageFile_ = path; }
    QString ImageFile() const { return imageFile_; }
    // Printer of action 5 (not owned).
    void SetPrinter(QPrinter* printer) { printer_ = printer; }

    // 2 opens the customisation dialog (scale modes, point marks, grid lines).
    void SetCustomize(int value);
    // Replaces the customisation dialog (tests); it edits the chart and returns.
    void SetCustomizeRunner(std::function<void(GraphChart&)> runner) { customizeRunner_ = std::move(runner); }

    // Empty when the last copy, print or file action succeeded, else what went wrong.
    const std::string& LastError() const { return lastError_; }
    // Whether a graph is drawn (else the prompt or an empty chart shows).
    bool IsDrawn() const { return drawn_; }

    // The chart as a picture of the given size in pixels.
    QImage Picture(QSize size) const;
    // Draws the chart into a rectangle of a painter (screen, printer, image).
    void Render(QPainter& painter, const QRectF& area) const;

    // Formats the image file can take by its extension (lower case, without dot):
    // the bitmap types Qt writes here, and "svg".
    static std::vector<std::string> WritableImageTypes();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

signals:
    void DoubleClicked();

private:
    GraphAxisScale BottomScale() const;
    GraphAxisScale LeftScale() const;
    QSize PictureSize() const;
    void Copy();
    void Print();
    void WriteFile();
    bool WriteBitmap(const QString& type, QByteArray& bytes);
    bool WriteSvg(QByteArray& bytes);
    void RunCustomizeDialog();

    int action_ = 0;
    int dataSets_ = 1;
    std::vector<float> x_;
    std::vector<float> y_;
    QString graphTitle_, bottomTitle_, leftTitle_;
    std::string bottomFormat_ = "#0.0";
    std::string leftFormat_ = "#0.0";
    int bottomScaleMode_ = GraphScaleRounded;
    int leftScaleMode_ = GraphScaleRounded;
    int lineStyle_ = 1;
    int wideLine_ = 0;
    bool pointMarks_ = true;
    bool gridLines_ = true;
    bool bitmapDrawing_ = false;
    bool drawn_ = false;
    bool everDrawn_ = false;
    QString imageFile_;
    QPrinter* printer_ = nullptr;
    std::function<void(GraphChart&)> customizeRunner_;
    std::string lastError_;
};

} // namespace vq
