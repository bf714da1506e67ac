#include "platform/file_dialog.h"

#include "common/common_dialog_errors.h"
#include "common/user_interface.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vq {
namespace {

FileDialogHandler& Handler()
{
    static FileDialogHandler handler;
    return handler;
}

// The working folder when the handler was installed.
QString& FolderBeforeHandler()
{
    static QString folder;
    return folder;
}

// The extension of a name filter's first pattern ("CSV (*.csv)" gives "csv"); empty
// for a pattern of any extension ("*.*").
QString FilterExtension(const QString& nameFilter)
{
    const qsizetype open = nameFilter.indexOf('(');
    const QString patterns = nameFilter.mid(open + 1).section(')', 0, 0).trimmed();
    const QString first = patterns.section(' ', 0, 0);
    if (!first.startsWith("*.") || first.indexOf('*', 1) >= 0 || first.contains('?'))
        return {};
    return first.mid(2);
}

} // namespace

std::string QtFileFilter(const std::string& filter)
{
    // Pairs of description and pattern; Qt reads the pattern from the description.
    std::string result;
    std::size_t start = 0;
    bool description = true;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::string part = filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (description && !part.empty()) {
            if (!result.empty())
                result += ";;";
            result += part;
        }
        description = !description;
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    return result;
}

namespace {

FileDialogResult RunFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    // A proposed name without a folder, or none, opens in the working folder.
    const QString proposed = request.fileName.find('*') == std::string::npos
                                 ? QDir::current().absoluteFilePath(QString::fromStdString(request.fileName))
                                 : QDir::currentPath();
    const QString filter = QString::fromStdString(QtFileFilter(request.filter));
    const QString title = QString::fromStdString(request.title);
    QFileDialog dialog(parent, title, proposed, filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList types = dialog.nameFilters();
    const QString shownType =
        request.filterIndex > 1 && request.filterIndex <= types.size() ? types[request.filterIndex - 1] : QString();
    if (!shownType.isEmpty())
        dialog.selectNameFilter(shownType);
    // The dialog confirms the name it gives back itself; with no default suffix set, the
    // name comes back as the user gave it, and ShowFileDialog adds the chosen type's.
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        result.error = CommonDialogCancelError;
        return result;
    }
    const QString path = dialog.selectedFiles().constFirst();
    result.path = path.toStdString();
    result.title = QFileInfo(path).fileName().toStdString();
    result.filterIndex = static_cast<int>(types.indexOf(dialog.selectedNameFilter())) + 1;
    return result;
}

// The extension added to a saved name given without one: that of the type chosen (from
// 1), else the request's default extension.
QString ExtensionToAdd(const FileDialogRequest& request, int chosenType)
{
    const QStringList types = QString::fromStdString(QtFileFilter(request.filter)).split(";;");
    const QString own =
        chosenType > 0 && chosenType <= types.size() ? FilterExtension(types[chosenType - 1]) : QString();
    if (!own.isEmpty())
        return own;
    QString extension = QString::fromStdString(request.defaultExtension);
    return extension.remove('*').remove('.');
}

// Adds the extension to a chosen name without one (no '.' in the file name, as Qt's
// dialog tells one); whether the name changed.
bool AddExtension(const FileDialogRequest& request, FileDialogResult& chosen)
{
    const QFileInfo file(QString::fromStdString(chosen.path));
    if (chosen.path.empty() || file.fileName().contains('.') || file.isDir())
        return false;
    const QString extension = ExtensionToAdd(request, chosen.filterIndex);
    if (extension.isEmpty())
        return false;
    const QString path = file.filePath() + '.' + extension;
    chosen.path = path.toStdString();
    chosen.title = QFileInfo(path).fileName().toStdString();
    return true;
}

// Whether the chosen file may be written: yes where there is none yet, else the user's
// answer, as a file dialog asks it.
bool MayReplace(const FileDialogResult& chosen, const std::string& dialogTitle)
{
    const QFileInfo file(QString::fromStdString(chosen.path));
    if (!file.exists() || file.isDir())
        return true;
    return CurrentUserInterface().Ask(chosen.title + " already exists.\r\nDo you want to replace it?", dialogTitle,
                                      false, Answer::No) == Answer::Yes;
}

} // namespace

FileDialogResult ShowFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    FileDialogRequest shown = request;
    for (;;) {
        FileDialogResult result = Handler() ? Handler()(shown) : RunFileDialog(parent, shown);
        if (result.error != 0)
            return result;
        // The dialog has confirmed the name it gave back; only a name changed here is asked about.
        if (!shown.save || !AddExtension(shown, result) || MayReplace(result, shown.title)) {
            FollowChosenFile(result.path);
            return result;
        }
        // No: back to the dialog, on the name and type it gave.
        shown.fileName = result.path;
        if (result.filterIndex > 0)
            shown.filterIndex = result.filterIndex;
    }
}

void FollowChosenFile(const std::string& path)
{
    if (!path.empty())
        QDir::setCurrent(QFileInfo(QString::fromStdString(path)).absolutePath());
}

void SetFileDialogHandler(FileDialogHandler handler)
{
    if (!Handler() && handler)
        FolderBeforeHandler() = QDir::currentPath();
    else if (Handler() && !handler)
        QDir::setCurrent(FolderBeforeHandler());
    Handler() = std::move(handler);
}

} // namespace vq
