// Entry point of the widget test suites: one offscreen QApplication for all tests.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Offscreen, the widgets run on a screen of 800 x 600, the smallest the program is made for.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() || platform == "offscreen"
                                   ? QByteArray("offscreen:configfile=" VQ_OFFSCREEN_SCREEN)
                                   : platform);
    // The tests never reach the machine's printers: the print server is looked for on a
    // socket that does not exist, so no printer is installed and none is the default.
    qputenv("CUPS_SERVER", "/nonexistent/vapoquant-tests/cups.sock");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
