// The vapoquant program.
#include "app/start_form.h"
#include "app/thermix_main.h"
#include "platform/termination_signals.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vq::StartupOptions options;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        options.commandLineDocument = args.at(1).toStdString();
    const QPointer<vq::ThermixMain> window = vq::StartProgram(options);
    if (!window)
        return 1;
    // The signals with which a desktop ends its programs keep the settings that Exit
    // writes; nobody is there to answer a question, so an unsaved document is not kept.
    vq::WatchTerminationSignals([window](int signal) {
        if (window)
            window->SaveSettingsAtSignal();
        vq::EndBySignal(signal);
    });
    return QApplication::exec();
}
