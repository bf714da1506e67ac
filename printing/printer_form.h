// The print preview window: holds the print control with the built document, shows
// its pages with zoom and navigation, and prints or converts them to PDF.
#pragma once

#include "printing/layout/print_control.h"
#include "printing/page_painter.h"

#include <QPrinter>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vq {

class MainWindowView;
class PreviewPane;
struct PrintPageSettings;

class PrinterForm : public QWidget {
    Q_OBJECT
public:
    explicit PrinterForm(MainWindowView* main);
    ~PrinterForm() override;

    std::string ContentTitle;
    std::string ExportFileName;
    // Builds the report again after a page or printer set-up change and returns the
    // document status; the print job sets it.
    std::function<int()> RebuildReport;
    // The PDF writer's three document texts.
    void SetPDFProperties();
    const std::array<std::string, 3>& PdfProperties() const { return pdfProperties_; }
    int SendTo() const { return sendTo_; }
    void SetSendTo(int value);
    void UpdateControlBar();
    int PageBorderPenWidth() const { return pageBorderPenWidth_; }
    void SetPageBorderPenWidth(int width) { pageBorderPenWidth_ = width; }
    bool Preview() const { return preview_; }
    void SetPreview(bool preview) { preview_ = preview; }

    // The print control and the printer it prints on.
    PrintControl vsPrinter;
    QPrinter& Printer() { return *printer_; }
    // The printer a print dialog configured becomes the one the job prints on: the
    // control's device follows it, over the kept device.
    void UsePrinter(std::unique_ptr<QPrinter> printer);
    void FollowHandedPrinter();
    // Hands the job as set up here (printer, destination, orientation) to a new form.
    void HandJobTo(PrinterForm& next);
    MainWindowView* MainWindow() const { return main_; }
    // Prints pages first..last of the kept document as one job, within the printer's page
    // ranges and with its copies; false when the printer cannot start or the print system
    // refuses the job, which is said. A range that holds no page prints nothing and is
    // said (false too).
    bool PrintPages(int first, int last);
    // Writes pages first..last as a PDF file; false when it cannot be written or the
    // range holds no page, which is said.
    bool ConvertToPdf(const std::string& path, int first, int last);
    // Puts the control's paper, orientation, margins, bin and device on the printer; back
    // without the bin and device.
    void PrinterFromControl();
    void ControlFromPrinter();
    // The size of the page display, in twips.
    double ViewWidthTwips() const;
    double ViewHeightTwips() const;

    // Event handlers.
    void vsPrinter_NewPage();
    void CMB_Zoom_Click();
    void cmdPage_Click(int index);
    void cmdZoom_Click(int index);
    void BTN_Fit_Click();
    void BTN_100_Click();
    void BTN_Print_Click();
    void BTN_Close_Click();
    void ABR_Local_Click(int tool);
    void BTN_PageSetup_Click();
    void BTN_Setup_Click();

    // Selects a zoom entry and applies it (also when it is already selected).
    void SelectZoomEntry(int index);
    QString ZoomTag() const { return zoomTag_; }

    QPushButton* BTN_Print = nullptr;
    QMenu* ABR_Local = nullptr;
    std::array<QRadioButton*, 2> OPT_SendTo{};
    std::array<QLabel*, 2> IMG_SendTo{};
    QPushButton* BTN_PageSetup = nullptr;
    QPushButton* BTN_Setup = nullptr;
    std::array<QPushButton*, 4> cmdPage{};
    QLabel* lblPage = nullptr;
    QComboBox* CMB_Zoom = nullptr;
    std::array<QPushButton*, 4> cmdZoom{};
    QPushButton* BTN_Fit = nullptr;
    QPushButton* BTN_100 = nullptr;
    QPushButton* BTN_Close = nullptr;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FillZoomList();
    void ApplyZoomSelection(QComboBox* list);
    void ApplyZoom(QComboBox* list);
    void PageOrPrinterSetup(bool printerOnly);
    // Puts the control's page back as it was, and the printer's bin and device.
    void RestoreControlPage(const PrintPageSettings& page, QPrinter::PaperSource source, const QString& device);
    std::string GetExportFileName(int kind);
    // The PDF properties, the file dialog and the conversion; false when no file was chosen.
    bool ExportPages(int first, int last);
    void CloseAfterSending();

    MainWindowView* main_;
    QtTextMeasurer measurer_;
    std::unique_ptr<QPrinter> printer_;
    PreviewPane* pane_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::array<std::string, 3> pdfProperties_;
    int sendTo_ = 0;
    int pageBorderPenWidth_ = 20;
    bool preview_ = false;
    bool handedPrinter_ = false;
    bool firstActivation_ = true;
    bool closing_ = false;
    bool fitting_ = false;
    QString zoomTag_;
};

// The window's default instance: created on first use, released by UnloadPrinterForm.
PrinterForm& LoadPrinterForm(MainWindowView& main);
PrinterForm* LoadedPrinterForm();
void UnloadPrinterForm();

// Paper code of a Qt page size (preferred when it is of that size), 0 when the paper
// table has none for it; and the Qt page of a code, taken from its size.
int PaperCodeOf(const QPageSize& size, int preferred = 0);
QPageSize PageSizeOf(int paperCode);
// The code of a paper a dialog chose; a paper without one is said, and kept stays.
int ChosenPaperCode(const QPageSize& chosen, int kept);
// The code of the default printer's paper; 0 without a default printer or a code for it.
int DefaultPrinterPaperCode();

} // namespace vq
