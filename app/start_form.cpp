#include "app/start_form.h"

#include "app/main_window_host_impl.h"
#include "app/shell_windows.h"
#include "app/thermix_main.h"
#include "common/file_routines.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/safe_file.h"
#include "common/search_paths.h"
#include "common/session_state.h"
#include "files/calculation_defaults.h"
#include "files/preference_sections.h"
#include "files/settings_file.h"
#include "common/ui/help_topic.h"
#include "common/ui/widget_routines.h"
#include "common/ui/locale_separators.h"
#include "common/ui/qt_user_interface.h"
#include "platform/twips.h"
#include "preferences/output_mod.h"
#include "printing/printer_form.h"
#include "units/unit_catalogue.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSessionManager>
#include <QVBoxLayout>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace vq {
namespace {

constexpr int LogoEndLeft = 405, LogoEndTop = 465, LogoStartSize = 480;

QtUserInterface qtInterface;
ThermixMainHost* mainHost = nullptr;

// The session manager's request as the main window answers it.
class SessionManagerRequest final : public SessionRequest {
public:
    explicit SessionManagerRequest(QSessionManager& manager) : manager_(manager) {}
    bool AllowsQuestion() override { return manager_.allowsInteraction(); }
    void Cancel() override { manager_.cancel(); }

private:
    QSessionManager& manager_;
};

int RoundTo16Bit(double v)
{
    return static_cast<int>(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

QPixmap LogoPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(30, 90, 160));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
    painter.setPen(QPen(Qt::white, std::max(2, size / 16)));
    for (int k = 0; k < 3; ++k) {
        const double x = size * (0.32 + 0.18 * k);
        painter.drawLine(QPointF(x, size * 0.7), QPointF(x + size * 0.05, size * 0.3));
    }
    return pixmap;
}

} // namespace

LogoPlacement PositionLogo(int percent, int productCode, int startLeft, int startTop)
{
    double x = 0, y = 0;
    if (productCode == 1 || productCode == 6) {
        x = startLeft;
        y = startTop;
    }
    LogoPlacement p;
    p.left = RoundTo16Bit(x - (x - LogoEndLeft) / 100.0 * percent);
    p.top = RoundTo16Bit(y - (y - LogoEndTop) / 100.0 * percent);
    p.width = p.height = RoundTo16Bit(LogoStartSize - (-LogoStartSize / 100.0) * percent);
    return p;
}

std::string ScreenRefusal(int widthPixels, double twipsPerPixelX, double twipsPerPixelY)
{
    if (widthPixels < 800)
        return "This application requires video resolution of SVGA (800x600) quality or better."
               " Cannot load application.";
    if (widthPixels == 800 && (twipsPerPixelX == 12.0 || twipsPerPixelY == 12.0))
        return "Cannot load application. In 800x600 mode this application requires the use of Small Fonts.\r\n\r\n"
               "Please either change your font size to Small Fonts or increase your display to a higher resolution."
               " You can do these by choosing Display in the Control Panel and going to the Settings tab.";
    return "";
}

std::string SettingsFileHeaderLine()
{
    return ToUpperAscii(ProgramLongTitle) + " INI FILE";
}

bool CreateSettingsFileIfMissing(const std::string& path)
{
    if (path.empty())
        return false;
    MakeFolder(std::filesystem::path(path).parent_path().string());
    // An exclusive create: a file that is there, even one another running copy has just
    // made, is never cut. A link's missing target is made.
    const int fd = ::open(ReplacedFilePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST;
    const std::string header = SettingsFileHeaderLine() + "\r\n";
    const bool written = ::write(fd, header.data(), header.size()) == static_cast<ssize_t>(header.size());
    return ::close(fd) == 0 && written;
}

StartForm::StartForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("StartForm");
    auto* layout = new QVBoxLayout(this);
    imgLogo = new QLabel(this);
    lblProductName = new QLabel(this);
    QFont big = lblProductName->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblProductName->setFont(big);
    lblVersion = new QLabel(this);
    LBL_PreRelease = new QLabel(this);
    lblDescription = new QLabel(this);
    lblDescription->setWordWrap(true);
    lblAdditionalInfo = new QLabel(this);
    for (QWidget* w : std::initializer_list<QWidget*>{imgLogo, lblProductName, lblVersion, LBL_PreRelease})
        layout->addWidget(w, 0, Qt::AlignHCenter);
    // The wrapped notice takes the whole width, so that its height follows from it.
    lblDescription->setAlignment(Qt::AlignHCenter);
    layout->addWidget(lblDescription);
    layout->addWidget(lblAdditionalInfo, 0, Qt::AlignHCenter);
    setFixedWidth(520);
}

ThermixMain* StartProgram(const StartupOptions& options)
{
    // Run-time errors are reported by the event handlers; there is no development
    // environment to stop in.
    TrapErrors = true;
    // The messages of the control and settings files show in message boxes.
    InstallUserInterface(&qtInterface);
    // A print control without stored page settings starts on the default printer's paper.
    SetDefaultPaperSource(DefaultPrinterPaperCode);
    SetProgramIdentity();
    GetLocaleSeparators();
    ReadControlFile();
    // Settings file and help.
    HelpFilePath = BuildPath("Thermix.HLP", PathKindProgram);
    SettingsFilePath = PathObjects[SettingsFilePathEntry] ? PathObjects[SettingsFilePathEntry]->FileNameAndPath() : "";
    CustomToolbarFile =
        PathObjects[CustomToolbarPathEntry] ? PathObjects[CustomToolbarPathEntry]->FileNameAndPath() : "";
    CreateSettingsFileIfMissing(SettingsFilePath);
    ReadIniControlsSection(SettingsFilePath);

    QScreen* screen = QGuiApplication::primaryScreen();
    const double twipsPerPixel = screen ? 1440.0 / screen->logicalDotsPerInchX() : 15.0;
    const std::string refusal =
        screen ? ScreenRefusal(screen->geometry().width(), twipsPerPixel, 1440.0 / screen->logicalDotsPerInchY()) : "";
    if (!refusal.empty()) {
        qtInterface.Message(refusal, MessageStyle::Critical, ProgramTitle);
        InstallUserInterface(nullptr);
        return nullptr;
    }
    qtInterface.SetBusy(true);

    auto* splash = new StartForm;
    splash->lblProductName->setText(QString::fromStdString(GetVersionText(6)));
    splash->lblVersion->setText(QString::fromStdString(GetVersionText(1)));
    splash->LBL_PreRelease->setText(QString::fromStdString(GetVersionText(4)));
    splash->lblDescription->setText(QString::fromStdString(GetAboutNoticeText()));
    splash->lblAdditionalInfo->setText(
        QString::fromStdString("See About " + ProgramTitle + " for additional copyright information."));
    const LogoPlacement logo = PositionLogo(100, GetProductCode(), 0, 0);
    const int logoPixels = TwipsToPixels(logo.width, splash->logicalDpiX());
    splash->imgLogo->setPixmap(LogoPixmap(logoPixels));
    splash->adjustSize();
    if (screen)
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    splash->repaint();
    Pause(options.splashSeconds);
    splash->repaint();

    BuildUnitFamilies();
    InitOutputParams();

    auto* main = new ThermixMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    mainHost = new ThermixMainHost(*main);
    InstallMainWindowHost(mainHost);
    QObject::connect(main, &QObject::destroyed, [] {
        InstallMainWindowHost(nullptr);
        delete mainHost;
        mainHost = nullptr;
        qtInterface.SetOwner(nullptr);
        qtInterface.SetSolutionChooser({});
        qtInterface.SetInputModeSource({});
    });
    qtInterface.SetOwner(main);
    qtInterface.SetSolutionChooser([main](const SolutionChoice& c) { return ChooseSaturationSolution(c, main); });
    qtInterface.SetInputModeSource([main] { return main->GetInputMode(); });
    main->NewInputFile();
    main->InitPrintSections();
    main->ChooseToolbarLayout(main->ShippedToolbarFile(), CustomToolbarFile,
                              BuildPath("DEVELOPER.TB", PathKindProgram));
    splash->raise();

    // The settings file's items that are not valid values, named in one message.
    BadFileItems badItems;
    LoadSettingsAtStartup(SettingsFilePath, CustomToolbarFile, &badItems);
    ResetCalculationDefaults(&badItems);
    ReportBadFileItems(SettingsFilePath, badItems);

    mainHost->SetToolCaption("", 1304, "&About " + ProgramTitle + "...");
    // The command-line document name shows until the new document replaces it.
    DocumentName = options.commandLineDocument.empty() ? UntitledDocument : options.commandLineDocument;
    main->SetMainCaption();
    main->show();
    splash->raise();
    main->NewInputFile();
    DocumentSaved = true;
    qtInterface.SetBusy(false);
    splash->close();
    splash->deleteLater();
    // From now on a logout or a checkpoint asks the main window to store the user's work.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, main, [main](QSessionManager& manager) {
        SessionManagerRequest request(manager);
        main->CommitSessionData(request);
    });
    return main;
}

} // namespace vq
