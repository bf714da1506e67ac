// The splash window and the start-up sequence of the program.
#pragma once

#include <QWidget>

#include <string>

class QLabel;

namespace vq {

class ThermixMain;

// Place of the splash logo in twips for a percentage of its travel.
struct LogoPlacement {
    int left = 0, top = 0, width = 0, height = 0;
};
LogoPlacement PositionLogo(int percent, int productCode, int startLeft, int startTop);

// Why the screen cannot show the program ("" when it can).
std::string ScreenRefusal(int widthPixels, double twipsPerPixelX, double twipsPerPixelY);

// The header line of a new settings file.
std::string SettingsFileHeaderLine();
// Creates the settings file with its header line when no file exists at path.
// An existing file, even an empty one, is left untouched. False when it cannot be made.
bool CreateSettingsFileIfMissing(const std::string& path);

class StartForm : public QWidget {
    Q_OBJECT
public:
    explicit StartForm(QWidget* parent = nullptr);

    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* LBL_PreRelease = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblAdditionalInfo = nullptr;
    QLabel* imgLogo = nullptr;
};

struct StartupOptions {
    std::string commandLineDocument; // the optional argument
    double splashSeconds = 1.0;      // the splash's minimum time
};

// Runs the start-up sequence and returns the shown main window, or null when the
// program must end (the reason has been shown).
ThermixMain* StartProgram(const StartupOptions& options);

} // namespace vq
