// Entry point of the widget test suites: one offscreen QApplication for all tests.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The tests never reach the machine's printers: the print server is looked for on a
    // socket that does not exist, so no printer is installed and none is the default.
    qputenv("CUPS_SERVER", "/nonexistent/vapoquant-tests/cups.sock");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
