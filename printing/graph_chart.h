// The chart of the graph window: one data set of points drawn as a line graph with
// QPainter. It is driven like a chart control: properties are set, then an action is
// written (clear, draw, bitmap drawing, copy, print, write the image file).
#pragma once

#include "printing/graph_axis_logic.h"

#include <QString>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QByteArray;
class QImage;
class QPainter;
class QPrinter;

namespace vq {

class GraphCustomizeDialog;

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

    // Scale modes (GraphScaleData, GraphScaleRounded, GraphScaleFixed) and the
    // resulting axis bounds for the points set so far.
    int BottomScaleMode() const { return bottomScaleMode_; }
    int LeftScaleMode() const { return leftScaleMode_; }
    void SetBottomScaleMode(int mode) { bottomScaleMode_ = mode; }
    void SetLeftScaleMode(int mode) { leftScaleMode_ = mode; }
    float BottomMax() const { return static_cast<float>(BottomScale().max); }
    float BottomMin() const { return static_cast<float>(BottomScale().min); }
    float LeftMax() const { return static_cast<float>(LeftScale().max); }
    float LeftMin() const { return static_cast<float>(LeftScale().min); }
    // Sets the fixed mode with these bounds, in the axis's unit (min below max).
    void SetBottomFixedScale(double min, double max);
    void SetLeftFixedScale(double min, double max);

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
    // Customised line of the data set: a Qt::PenStyle (Qt::NoPen leaves the points
    // apart) and a width of 1 to 10 times the normal one.
    void SetLinePenStyle(int style) { penStyle_ = style; }
    int LinePenStyle() const { return penStyle_; }
    void SetLineWidth(int width) { lineWidth_ = std::clamp(width, 1, 10); }
    int LineWidth() const { return lineWidth_; }
    // Customised titles, kept over draws and clears: when set, each is drawn in place
    // of the program's title (an empty one hides it).
    void SetCustomGraphTitle(std::optional<QString> t) { customGraphTitle_ = std::move(t); }
    void SetCustomBottomTitle(std::optional<QString> t) { customBottomTitle_ = std::move(t); }
    void SetCustomLeftTitle(std::optional<QString> t) { customLeftTitle_ = std::move(t); }
    QString ShownGraphTitle() const { return customGraphTitle_.value_or(graphTitle_); }
    QString ShownBottomTitle() const { return customBottomTitle_.value_or(bottomTitle_); }
    QString ShownLeftTitle() const { return customLeftTitle_.value_or(leftTitle_); }
    // Drops an axis's customised title and fixed scale (its quantity or unit changed).
    void ForgetCustomBottomAxis();
    void ForgetCustomLeftAxis();

    // Target of action 6; its extension picks the format.
    void SetImageFile(const QString& path) { imageFile_ = path; }
    QString ImageFile() const { return imageFile_; }
    // Printer of action 5 (not owned).
    void SetPrinter(QPrinter* printer) { printer_ = printer; }

    // Runs the customisation dialog in place of exec (tests); returns its result.
    using CustomizeRunner = std::function<int(GraphCustomizeDialog&)>;
    void SetCustomizeRunner(CustomizeRunner runner) { customizeRunner_ = std::move(runner); }
    const CustomizeRunner& CustomizeRunnerHook() const { return customizeRunner_; }

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

    int action_ = 0;
    int dataSets_ = 1;
    std::vector<float> x_;
    std::vector<float> y_;
    QString graphTitle_, bottomTitle_, leftTitle_;
    std::string bottomFormat_ = "#0.0";
    std::string leftFormat_ = "#0.0";
    int bottomScaleMode_ = GraphScaleRounded;
    int leftScaleMode_ = GraphScaleRounded;
    double bottomFixedMin_ = 0.0, bottomFixedMax_ = 1.0;
    double leftFixedMin_ = 0.0, leftFixedMax_ = 1.0;
    int lineStyle_ = 1;
    int wideLine_ = 0;
    bool pointMarks_ = true;
    bool gridLines_ = true;
    int penStyle_ = Qt::SolidLine;
    int lineWidth_ = 1;
    std::optional<QString> customGraphTitle_, customBottomTitle_, customLeftTitle_;
    bool bitmapDrawing_ = false;
    bool drawn_ = false;
    bool everDrawn_ = false;
    QString imageFile_;
    QPrinter* printer_ = nullptr;
    CustomizeRunner customizeRunner_;
    std::string lastError_;
};

} // namespace vq
