#include "common/ui/help_topic.h"

#include "common/file_routines.h"
#include "common/main_window_host.h"
#include "common/messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace vq {

std::string HelpFilePath;

namespace {

QString HelpFolder()
{
    return QDir(QString::fromStdString(CurrentMainWindowHost().ProgramFolder())).filePath("help");
}

} // namespace

std::string HelpTopicPath(int context)
{
    return QDir(HelpFolder()).filePath(QString("topic%1.html").arg(context)).toStdString();
}

void ShowHelpTopic(int context)
{
    const std::string path = HelpTopicPath(context);
    if (!FileExists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path))))
        ShowMessage("Help is not available: no help page " + path + " is installed.", MessageInformation);
}

} // namespace vq
