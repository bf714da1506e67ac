// The vapoquant program.
#include "app/start_form.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vq::StartupOptions options;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        options.commandLineDocument = args.at(1).toStdString();
    if (!vq::StartProgram(options))
        return 1;
    return QApplication::exec();
}
