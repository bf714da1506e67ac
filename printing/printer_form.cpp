#include "printing/printer_form.h"

#include "common/ui/main_window_view.h"
#include "platform/grid_control.h"
#include "common/common_dialog_errors.h"
#include "common/main_window_host.h"
#include "common/number_parsing.h"
#include "common/preference_records.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/ui/widget_routines.h"
#include "common/user_interface.h"
#include "printing/layout/print_engine.h"
#include "printing/layout/print_job_logic.h"
#include "printing/print_dialog_service.h"
#include "printing/print_hand_over.h"
#include "printing/print_range_form.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vq {

// Shows the preview page of the control at its zoom, on a grey ground.
class PreviewPane : public QWidget {
public:
    explicit PreviewPane(const PrintControl& printer, QWidget* parent) : QWidget(parent), printer_(printer) {}

    double Scale() const { return printer_.Zoom() / 100.0 * logicalDpiX() / 1440.0; }
    void Relayout()
    {
        const int margin = 12;
        resize(static_cast<int>(printer_.PageWidth() * Scale()) + 2 * margin,
               static_cast<int>(printer_.PageHeight() * Scale()) + 2 * margin);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        const QRectF page(12, 12, printer_.PageWidth() * Scale(), printer_.PageHeight() * Scale());
        p.fillRect(page, Qt::white);
        p.translate(page.topLeft());
        PaintPrintPage(p, printer_, printer_.PreviewPage(), Scale());
    }

private:
    const PrintControl& printer_;
};

namespace {

PrinterForm* defaultInstance = nullptr;

// A small printer, or a sheet marked PDF.
QPixmap DestinationPicture(bool pdf)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    if (pdf) {
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 12, 17);
        QFont f = p.font();
        f.setPixelSize(5);
        p.setFont(f);
        p.drawText(QRect(4, 6, 12, 8), Qt::AlignCenter, "PDF");
    } else {
        p.setBrush(Qt::lightGray);
        p.drawRect(1, 7, 18, 8);
        p.setBrush(Qt::white);
        p.drawRect(5, 2, 10, 5);
        p.drawRect(5, 15, 10, 4);
    }
    return pixmap;
}

QPushButton* ArrowButton(const char* caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(">|") + 16);
    return button;
}

std::string DateTimeNowText()
{
    const QLocale locale;
    return (locale.toString(QDate::currentDate(), QLocale::ShortFormat) + " " +
            QTime::currentTime().toString("hh:mm AP"))
        .toStdString();
}

// The size of a Qt page in twips, as exactly as Qt defines it (its sizes in points are
// whole numbers).
QSizeF TwipsOf(const QPageSize& size)
{
    switch (size.definitionUnits()) {
    case QPageSize::Inch:
        return size.definitionSize() * 1440;
    case QPageSize::Point:
        return size.definitionSize() * 20;
    default:
        return size.size(QPageSize::Millimeter) * (1440 / 25.4);
    }
}

} // namespace

int PaperCodeOf(const QPageSize& size, int preferred)
{
    const QSizeF twips = TwipsOf(size);
    return size.isValid() ? PaperCodeOfSize(twips.width(), twips.height(), {preferred, size.windowsId()}) : 0;
}

QPageSize PageSizeOf(int paperCode)
{
    const PaperSizeInfo* paper = FindPaperSize(paperCode);
    if (!paper)
        paper = FindPaperSize(PaperLetter);
    const QSizeF points(paper->widthTwips / 20.0, paper->heightTwips / 20.0);
    // Qt's page of that number, or of that size, when it is the table's sheet.
    for (const QPageSize::PageSizeId id :
         {QPageSize::id(paper->code), QPageSize::id(points, QPageSize::Point, QPageSize::FuzzyMatch)})
        if (const QPageSize page(id); PaperCodeOf(page, paper->code) == paper->code)
            return page;
    return QPageSize(points, QPageSize::Point, QString::fromUtf8(paper->name), QPageSize::ExactMatch);
}

int ChosenPaperCode(const QPageSize& chosen, int kept)
{
    if (const int code = PaperCodeOf(chosen, kept); code != 0)
        return code;
    const PaperSizeInfo* keptPaper = FindPaperSize(kept);
    UserInterface& ui = CurrentUserInterface();
    ui.Beep();
    const std::string keptName = keptPaper ? keptPaper->name : FindPaperSize(PaperLetter)->name;
    ui.Message(UnknownPaperMessage(chosen.name().toStdString(), keptName), MessageStyle::Exclamation, ProgramTitle);
    return kept;
}

int DefaultPrinterPaperCode()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    return printer.isNull() ? 0 : PaperCodeOf(printer.defaultPageSize());
}

PrinterForm::PrinterForm(MainWindowView* main)
    : vsPrinter(&measurer_), main_(main), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName("PrinterForm");
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Closing the preview brings the hidden main window back; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QString::fromStdString(ProgramTitle + " Print Preview"));
    if (main_) {
        setWindowIcon(main_->windowIcon());
        setGeometry(main_->geometry());
    }

    auto* bar = new QHBoxLayout;
    BTN_Print = new QPushButton("&Print     ", this);
    ABR_Local = new QMenu("Main", this);
    const std::array<const char*, 3> tools = {" Print All Pages", "Print Range...", "Print Page"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = ABR_Local->addAction(tools[static_cast<size_t>(i)]);
        connect(a, &QAction::triggered, this, [this, i] { ABR_Local_Click(i + 1); });
    }
    connect(BTN_Print, &QPushButton::clicked, this, [this] { BTN_Print_Click(); });
    bar->addWidget(BTN_Print);

    auto* sendTo = new QGroupBox("Send To", this);
    auto* sendLayout = new QHBoxLayout(sendTo);
    sendLayout->setContentsMargins(6, 2, 6, 2);
    OPT_SendTo[0] = new QRadioButton("Send to Printer", sendTo);
    OPT_SendTo[1] = new QRadioButton("Send to Acrobat PDF File", sendTo);
    OPT_SendTo[0]->setChecked(true);
    const std::array<const char*, 2> destinations = {"Send to Printer", "Send to Acrobat PDF File"};
    for (size_t i = 0; i < 2; ++i) {
        IMG_SendTo[i] = new QLabel(sendTo);
        IMG_SendTo[i]->setPixmap(DestinationPicture(i == 1));
        IMG_SendTo[i]->setToolTip(destinations[i]);
        sendLayout->addWidget(IMG_SendTo[i]);
        sendLayout->addWidget(OPT_SendTo[i]);
    }
    bar->addWidget(sendTo);

    BTN_PageSetup = new QPushButton("P&age Setup...", this);
    BTN_Setup = new QPushButton("Print &Setup...", this);
    connect(BTN_PageSetup, &QPushButton::clicked, this, [this] { BTN_PageSetup_Click(); });
    connect(BTN_Setup, &QPushButton::clicked, this, [this] { BTN_Setup_Click(); });
    bar->addWidget(BTN_PageSetup);
    bar->addWidget(BTN_Setup);

    bar->addStretch();
    BTN_Close = new QPushButton("&Close", this);
    bar->addWidget(BTN_Close);

    auto* viewBar = new QHBoxLayout;
    const std::array<const char*, 4> arrows = {"|<", "<", ">", ">|"};
    viewBar->addWidget(new QLabel("Page:", this));
    for (int i = 0; i < 4; ++i) {
        cmdPage[static_cast<size_t>(i)] = ArrowButton(arrows[static_cast<size_t>(i)], this);
        connect(cmdPage[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdPage_Click(i); });
        viewBar->addWidget(cmdPage[static_cast<size_t>(i)]);
    }
    lblPage = new QLabel(this);
    lblPage->setMinimumWidth(lblPage->fontMetrics().horizontalAdvance("0000  of  0000"));
    viewBar->addWidget(lblPage);
    viewBar->addSpacing(24);

    viewBar->addWidget(new QLabel("Zoom:", this));
    CMB_Zoom = new QComboBox(this);
    connect(CMB_Zoom, &QComboBox::currentIndexChanged, this, [this] { CMB_Zoom_Click(); });
    viewBar->addWidget(CMB_Zoom);
    for (int i = 0; i < 4; ++i) {
        cmdZoom[static_cast<size_t>(i)] = ArrowButton(arrows[static_cast<size_t>(i)], this);
        connect(cmdZoom[static_cast<size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdZoom_Click(i); });
        viewBar->addWidget(cmdZoom[static_cast<size_t>(i)]);
    }
    BTN_Fit = new QPushButton("Fit", this);
    BTN_Fit->setToolTip("Fit to Screen");
    BTN_100 = new QPushButton("100%", this);
    BTN_100->setToolTip("Zoom to 100%");
    connect(BTN_Fit, &QPushButton::clicked, this, [this] { BTN_Fit_Click(); });
    connect(BTN_100, &QPushButton::clicked, this, [this] { BTN_100_Click(); });
    connect(BTN_Close, &QPushButton::clicked, this, [this] { BTN_Close_Click(); });
    viewBar->addWidget(BTN_Fit);
    viewBar->addWidget(BTN_100);
    viewBar->addStretch();

    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    pane_ = new PreviewPane(vsPrinter, scroll_);
    scroll_->setWidget(pane_);
    scroll_->viewport()->installEventFilter(this);
    // Two rows: the print commands, then navigation and zoom.
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(viewBar);
    layout->addWidget(scroll_, 1);

    vsPrinter.OnNewPage = [this] { vsPrinter_NewPage(); };
    vsPrinter.SetZoom(100);
    FillZoomList();
}

PrinterForm::~PrinterForm()
{
    if (defaultInstance == this)
        defaultInstance = nullptr;
}

void PrinterForm::SetPDFProperties()
{
    pdfProperties_ = {OutputPrefs.ReportSubtitle, ProgramTitle + " Output", AppName};
}

void PrinterForm::SetSendTo(int value)
{
    sendTo_ = value;
    if (value >= 0 && value < 2)
        OPT_SendTo[static_cast<size_t>(value)]->setChecked(true);
}

void PrinterForm::UpdateControlBar()
{
    // A page that leaves no room for the report shows no page and offers nothing to print.
    const int pages = vsPrinter.PageCount();
    BTN_Print->setEnabled(pages > 0);
    const ControlBarState s = GetControlBarState(std::min(vsPrinter.PreviewPage(), pages), pages, vsPrinter.Zoom());
    lblPage->setText(QString::fromStdString(s.pageText));
    cmdPage[0]->setEnabled(s.firstPrevEnabled);
    cmdPage[1]->setEnabled(s.firstPrevEnabled);
    cmdPage[2]->setEnabled(s.nextLastEnabled);
    cmdPage[3]->setEnabled(s.nextLastEnabled);
    cmdZoom[0]->setEnabled(s.zoomOutEnabled);
    cmdZoom[1]->setEnabled(s.zoomOutEnabled);
    cmdZoom[2]->setEnabled(s.zoomInEnabled);
    cmdZoom[3]->setEnabled(s.zoomInEnabled);
    vsPrinter.ZoomStep = s.zoomStep;
    pane_->Relayout();
}

void PrinterForm::vsPrinter_NewPage()
{
    UpdateControlBar();
    DrawPageFrame(vsPrinter, {ProgramLongTitle, DateTimeNowText, pageBorderPenWidth_});
}

void PrinterForm::FillZoomList()
{
    const QSignalBlocker block(CMB_Zoom);
    CMB_Zoom->clear();
    for (const std::string& entry : ZoomListEntries())
        CMB_Zoom->addItem(QString::fromStdString(entry));
    CMB_Zoom->setCurrentIndex(-1);
}

double PrinterForm::ViewWidthTwips() const
{
    return scroll_->viewport()->width() * 1440.0 / std::max(1, logicalDpiX());
}

double PrinterForm::ViewHeightTwips() const
{
    return scroll_->viewport()->height() * 1440.0 / std::max(1, logicalDpiY());
}

void PrinterForm::ApplyZoomSelection(QComboBox* list)
{
    BusyScope busy;
    ApplyZoom(list);
}

void PrinterForm::ApplyZoom(QComboBox* list)
{
    const int index = list->currentIndex();
    if (index < 0)
        return;
    double z = 0;
    if (index != 0)
        z = ZoomEntryValue(list->itemText(index).toStdString());
    else
        z = FitZoom(ViewWidthTwips(), ViewHeightTwips(), vsPrinter);
    z = std::clamp(z, PrintControl::ZoomMin, PrintControl::ZoomMax);
    if (index == 0) {
        std::vector<std::string> entries;
        for (int i = 0; i < list->count(); ++i)
            entries.push_back(list->itemText(i).toStdString());
        zoomTag_ = QString::number(ZoomTagAfterFit(entries, z));
    } else {
        zoomTag_ = "0";
    }
    vsPrinter.SetZoom(z);
    UpdateControlBar();
}

void PrinterForm::CMB_Zoom_Click()
{
    ApplyZoomSelection(CMB_Zoom);
}

void PrinterForm::SelectZoomEntry(int index)
{
    if (index < 0 || index >= CMB_Zoom->count())
        return;
    if (CMB_Zoom->currentIndex() == index)
        CMB_Zoom_Click();
    else
        CMB_Zoom->setCurrentIndex(index);
}

void PrinterForm::cmdPage_Click(int index)
{
    vsPrinter.SetPreviewPage(NavigationTarget(index, vsPrinter.PreviewPage(), vsPrinter.PageCount()));
    UpdateControlBar();
}

void PrinterForm::cmdZoom_Click(int index)
{
    const int tag = ParseInteger(zoomTag_.toStdString());
    if (auto target = ZoomButtonTarget(index, tag, CMB_Zoom->currentIndex(), CMB_Zoom->count()))
        SelectZoomEntry(*target);
    UpdateControlBar();
}

void PrinterForm::BTN_Fit_Click()
{
    SelectZoomEntry(0);
}

void PrinterForm::BTN_100_Click()
{
    SelectComboItemByText(CMB_Zoom, "100%");
}

void PrinterForm::BTN_Print_Click()
{
    ABR_Local->popup(BTN_Print->mapToGlobal(QPoint(0, BTN_Print->height())));
}

void PrinterForm::BTN_Close_Click()
{
    if (closing_)
        return;
    closing_ = true;
    vsPrinter.KillDoc();
    UnloadPrinterForm();
}

// The fit entry follows the size of the page display.
bool PrinterForm::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == scroll_->viewport() && e->type() == QEvent::Resize && CMB_Zoom->currentIndex() == 0 && !fitting_) {
        fitting_ = true;
        ApplyZoom(CMB_Zoom);
        fitting_ = false;
    }
    return QWidget::eventFilter(watched, e);
}

bool PrinterForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        if (BTN_Print->isEnabled() && BTN_Print->isVisible())
            BTN_Print->setFocus();
        if (firstActivation_) {
            firstActivation_ = false;
            setWindowState(windowState() | Qt::WindowMaximized);
            CMB_Zoom_Click();
        }
    }
    return QWidget::event(e);
}

void PrinterForm::closeEvent(QCloseEvent* e)
{
    if (!closing_)
        BTN_Close_Click();
    if (main_) {
        main_->raise();
        main_->activateWindow();
    }
    e->accept();
}

void PrinterForm::UsePrinter(std::unique_ptr<QPrinter> printer)
{
    if (!printer)
        return;
    printer_ = std::move(printer);
    handedPrinter_ = true;
    FollowHandedPrinter();
}

void PrinterForm::FollowHandedPrinter()
{
    if (handedPrinter_)
        vsPrinter.SetDevice(printer_->printerName().toStdString());
}

void PrinterForm::HandJobTo(PrinterForm& next)
{
    next.printer_ = std::move(printer_);
    next.handedPrinter_ = handedPrinter_;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    next.SetPreview(preview_);
    next.SetSendTo(sendTo_);
    next.ExportFileName = ExportFileName;
    next.pdfProperties_ = pdfProperties_;
    next.vsPrinter.SetOrientation(vsPrinter.Orientation());
}

void PrinterForm::PrinterFromControl()
{
    // A printer that writes a file, or already is the device, stays as it is.
    const QString device = QString::fromStdString(vsPrinter.Device());
    if (!device.isEmpty() && printer_->outputFileName().isEmpty() && printer_->printerName() != device)
        printer_->setPrinterName(device);
    if (vsPrinter.PaperBin() > 0)
        printer_->setPaperSource(static_cast<QPrinter::PaperSource>(vsPrinter.PaperBin()));
    printer_->setFullPage(true);
    printer_->setPageSize(PageSizeOf(vsPrinter.PaperSize()));
    printer_->setPageOrientation(vsPrinter.Orientation() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_->setPageMargins(QMarginsF(vsPrinter.MarginLeft() / 20.0, vsPrinter.MarginTop() / 20.0,
                                      vsPrinter.MarginRight() / 20.0, vsPrinter.MarginBottom() / 20.0),
                            QPageLayout::Point);
}

void PrinterForm::RestoreControlPage(const PrintPageSettings& page, QPrinter::PaperSource source, const QString& device)
{
    vsPrinter.SetOrientation(page.page.Orientation);
    vsPrinter.SetPaperSize(page.page.PaperSize);
    vsPrinter.SetMarginLeft(page.page.MarginLeft);
    vsPrinter.SetMarginTop(page.page.MarginTop);
    vsPrinter.SetMarginRight(page.page.MarginRight);
    vsPrinter.SetMarginBottom(page.page.MarginBottom);
    vsPrinter.SetPaperBin(page.PaperBin);
    vsPrinter.SetDevice(page.DeviceName);
    if (printer_->printerName() != device)
        printer_->setPrinterName(device);
    printer_->setPaperSource(source);
    PrinterFromControl();
}

void PrinterForm::ControlFromPrinter()
{
    const QPageLayout layout = printer_->pageLayout();
    vsPrinter.SetOrientation(layout.orientation() == QPageLayout::Landscape ? 1 : 0);
    vsPrinter.SetPaperSize(ChosenPaperCode(layout.pageSize(), vsPrinter.PaperSize()));
    const QMarginsF m = layout.margins(QPageLayout::Point);
    vsPrinter.SetMarginLeft(static_cast<int>(std::lround(m.left() * 20)));
    vsPrinter.SetMarginTop(static_cast<int>(std::lround(m.top() * 20)));
    vsPrinter.SetMarginRight(static_cast<int>(std::lround(m.right() * 20)));
    vsPrinter.SetMarginBottom(static_cast<int>(std::lround(m.bottom() * 20)));
}

namespace {

// Paints the pages, in order, on a device already set to the control's paper.
bool PaintPages(QPagedPaintDevice& device, const PrintControl& printer, const std::vector<int>& pages, double scale)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        PaintPrintPage(painter, printer, pages[i], scale);
    }
    return painter.end();
}

std::vector<PageSpan> PageSpansOf(const QPrinter& printer)
{
    std::vector<PageSpan> spans;
    if (printer.printRange() == QPrinter::PageRange)
        for (const QPageRanges::Range& range : printer.pageRanges().toRangeList())
            spans.push_back({range.from, range.to});
    return spans;
}

// A printer or file that cannot be written is said, not passed over in silence.
void ReportOutputFailure(const std::string& leadIn, const std::string& reason)
{
    CurrentUserInterface().SetBusy(false);
    CurrentUserInterface().Beep();
    CurrentUserInterface().Message(leadIn + "\r\n\r\n      " + reason, MessageStyle::Exclamation, ProgramTitle);
}

void ReportOutputFailure(const std::string& leadIn, int printerError)
{
    ReportOutputFailure(leadIn, GetPrinterErrorText(printerError));
}

// A printer whose job failed can stay active, and an active printer refuses every
// later change. Its successor takes over what was chosen on it.
std::unique_ptr<QPrinter> SuccessorOf(const QPrinter& failed)
{
    auto next = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!failed.printerName().isEmpty())
        next->setPrinterName(failed.printerName());
    next->setOutputFormat(failed.outputFormat());
    if (!failed.outputFileName().isEmpty())
        next->setOutputFileName(failed.outputFileName());
    next->setPageLayout(failed.pageLayout());
    next->setFullPage(failed.fullPage());
    next->setPaperSource(failed.paperSource());
    next->setCopyCount(failed.copyCount());
    next->setCollateCopies(failed.collateCopies());
    next->setPageOrder(failed.pageOrder());
    next->setDuplex(failed.duplex());
    next->setColorMode(failed.colorMode());
    next->setPrintRange(failed.printRange());
    next->setPageRanges(failed.pageRanges());
    next->setDocName(failed.docName());
    next->setCreator(failed.creator());
    return next;
}

// A range that holds no page of the report prints nothing, and says so.
bool RefusedEmptyRange(int first, int last, int pageCount, const std::vector<PageSpan>& ranges, const std::string& outcome)
{
    if (!PrintedPageOrder(first, last, pageCount, ranges, 1, true).empty())
        return false;
    UserInterface& ui = CurrentUserInterface();
    ui.SetBusy(false);
    ui.Beep();
    ui.Message(EmptyPrintRangeMessage(first, last, pageCount, ranges) + "\r\n\r\n" + outcome, MessageStyle::Exclamation,
               ProgramTitle);
    return true;
}

constexpr int PrinterCannotOpenFile = 1;
constexpr int PrinterCannotAccess = 3;
constexpr const char* PrintFailureLeadIn = "The following error occurred while printing:";
constexpr const char* ExportFailureLeadIn = "The following error occurred while exporting file:";

} // namespace

bool PrinterForm::PrintPages(int first, int last)
{
    if (RefusedEmptyRange(first, last, vsPrinter.PageCount(), PageSpansOf(*printer_), "Nothing was printed."))
        return false;
    PrinterFromControl();
    printer_->setDocName(QString::fromStdString(vsPrinter.DocName));
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    // Copies the device cannot make itself are sent as pages of the one job.
    const bool deviceCopies = printer_->supportsMultipleCopies();
    const std::vector<int> pages =
        PrintedPageOrder(first, last, vsPrinter.PageCount(), PageSpansOf(*printer_), deviceCopies ? 1 : printer_->copyCount(),
                         printer_->collateCopies());
    bool ok = PaintPages(*printer_, vsPrinter, pages, printer_->resolution() / 1440.0);
    if (!ok) {
        printer_ = SuccessorOf(*printer_);
        ReportOutputFailure(PrintFailureLeadIn, PrinterCannotAccess);
    } else if (const std::string refusal = HandOverRefusal(*printer_); !refusal.empty()) {
        ok = false;
        ReportOutputFailure(PrintFailureLeadIn, refusal);
    }
    PrinterFromControl();
    return ok;
}

bool PrinterForm::ConvertToPdf(const std::string& path, int first, int last)
{
    if (RefusedEmptyRange(first, last, vsPrinter.PageCount(), {}, "No file was written."))
        return false;
    // The PDF is made whole in memory and then replaces the file as every other file does.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1440);
    writer.setPageSize(PageSizeOf(vsPrinter.PaperSize()));
    writer.setPageOrientation(vsPrinter.Orientation() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // Title: the first text, or the second while the first is empty; creator: the third.
    writer.setTitle(QString::fromStdString(pdfProperties_[0].empty() ? pdfProperties_[1] : pdfProperties_[0]));
    writer.setCreator(QString::fromStdString(pdfProperties_[2]));
    const bool ok = PaintPages(writer, vsPrinter, PrintedPageOrder(first, last, vsPrinter.PageCount(), {}, 1, true), 1.0);
    if (!ok) {
        ReportOutputFailure(ExportFailureLeadIn, PrinterCannotOpenFile);
        return false;
    }
    std::string errorText;
    if (!WriteFileSafely(path, pdf.toStdString(), errorText)) {
        ReportOutputFailure(ExportFailureLeadIn, errorText);
        return false;
    }
    return true;
}

std::string PrinterForm::GetExportFileName(int kind)
{
    return kind == 0 ? GetExportFileNameByType(this, kind) : std::string();
}

bool PrinterForm::ExportPages(int first, int last)
{
    SetPDFProperties();
    const std::string name = GetExportFileName(0);
    if (name.empty())
        return false;
    BusyScope busy;
    return ConvertToPdf(name, first, last);
}

void PrinterForm::CloseAfterSending()
{
    vsPrinter.KillDoc();
    closing_ = true;
    UnloadPrinterForm();
}

void PrinterForm::ABR_Local_Click(int tool)
{
    const int destination = GetSelectedOptionIndex({OPT_SendTo[0], OPT_SendTo[1]});
    UserInterface& ui = CurrentUserInterface();
    if (tool == 1 || tool == 3) {
        const int first = tool == 1 ? 1 : vsPrinter.PreviewPage();
        const int last = tool == 1 ? vsPrinter.PageCount() : vsPrinter.PreviewPage();
        // A cancelled or failed output keeps the preview open for another try.
        if (destination == 1) {
            if (!ExportPages(first, last))
                return;
        } else {
            ui.SetBusy(true);
            vsPrinter.DocName = GetDocumentTitle();
            if (!PrintPages(first, last))
                return;
        }
        ui.SetBusy(true);
        CloseAfterSending();
        ui.SetBusy(false);
        return;
    }
    if (tool != 2)
        return;

    PrintRangeForm range(this);
    range.SetPageCount(vsPrinter.PageCount());
    range.exec();
    if (range.Cancelled())
        return;
    const int first = ParseInteger(range.CMB_StartPage->currentText().toStdString());
    const int last = ParseInteger(range.CMB_StopPage->currentText().toStdString());
    if (destination == 1) {
        ExportPages(first, last);
        return;
    }
    ui.SetBusy(true);
    vsPrinter.DocName = GetDocumentTitle();
    if (PrintPages(first, last))
        ui.SetBusy(false);
}

void PrinterForm::PageOrPrinterSetup(bool printerOnly)
{
    PrintDialogService& dialogs = CurrentPrintDialogService();
    PrinterFromControl();
    // The bin and device change only when the dialog changes them.
    const QPrinter::PaperSource source = printer_->paperSource();
    const QString device = printer_->printerName();
    const PrintPageSettings shown = ControlPageSettings(vsPrinter);
    const int error = printerOnly ? dialogs.PrintSetup(this, *printer_, "Print Setup") : dialogs.PageSetup(this, *printer_);
    if (error == 0) {
        ControlFromPrinter();
        if (printer_->paperSource() != source)
            vsPrinter.SetPaperBin(static_cast<int>(printer_->paperSource()));
        if (printer_->printerName() != device)
            vsPrinter.SetDevice(printer_->printerName().toStdString());
    }
    PrintPageSettings stored = CurrentPrintPageSettings();
    const PrintPageSettings before = stored;
    const PrintPageSettings control = ControlPageSettings(vsPrinter);
    if (!PageSettingsChanged(stored, control, printerOnly))
        return;
    StorePageSettings(stored, control, printerOnly);
    SetCurrentPrintPageSettings(stored);
    BusyScope busy;
    if (vsPrinter.Error() == 0) {
        const bool hadPages = vsPrinter.PageCount() > 0;
        vsPrinter.KillDoc();
        scroll_->hide();
        if (RebuildReport && RebuildReport() == PrintDocNoRoom) {
            // The refusal was said; the settings before the dialog stand, with their pages.
            SetCurrentPrintPageSettings(before);
            RestoreControlPage(shown, source, device);
            if (hadPages)
                RebuildReport();
        }
        if (CMB_Zoom->currentIndex() == 0)
            CMB_Zoom_Click();
        scroll_->show();
    } else {
        CurrentUserInterface().Beep();
        CurrentUserInterface().Message(std::string("The following error occurred while accessing ") +
                                           (printerOnly ? "printer" : "page") + " setup:\r\n\r\n      " +
                                           GetPrinterErrorText(vsPrinter.Error()),
                                       MessageStyle::Exclamation, AppName);
    }
}

void PrinterForm::BTN_PageSetup_Click()
{
    PageOrPrinterSetup(false);
}

void PrinterForm::BTN_Setup_Click()
{
    PageOrPrinterSetup(true);
}

PrinterForm& LoadPrinterForm(MainWindowView& main)
{
    if (!defaultInstance) {
        defaultInstance = new PrinterForm(&main);
        defaultInstance->setWindowState(Qt::WindowMaximized);
    }
    return *defaultInstance;
}

PrinterForm* LoadedPrinterForm()
{
    return defaultInstance;
}

void UnloadPrinterForm()
{
    if (!defaultInstance)
        return;
    PrinterForm* form = defaultInstance;
    defaultInstance = nullptr;
    // However a shown preview ends, the main window comes back.
    if (form->isVisible() && form->MainWindow())
        form->MainWindow()->show();
    form->hide();
    form->deleteLater();
}

} // namespace vq
