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
    QString extension = QString::fromStdString(request.defaultExtension);
    extension.remove('*').remove('.');
    if (request.save) {
        // A desktop's own dialog would ask about the name as typed, before the default
        // extension is added; ShowFileDialog asks about the name really written.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // A name typed without an extension takes that of the file type chosen.
        auto suffixOf = [extension](const QString& type) {
            const QString own = FilterExtension(type);
            return own.isEmpty() ? extension : own;
        };
        dialog.setDefaultSuffix(shownType.isEmpty() ? extension : suffixOf(shownType));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, suffixOf](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
    }
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

// Whether the chosen file may be written: yes where there is none yet, else the user's
// answer, as a file dialog asks it.
bool MayReplace(const FileDialogResult& chosen, const std::string& dialogTitle)
{
    const QFileInfo file(QString::fromStdString(chosen.path));
    if (!file.exists() || file.isDir())
        return true;
    const std::string name = chosen.title.empty() ? file.fileName().toStdString() : chosen.title;
    return CurrentUserInterface().Ask(name + " already exists.\r\nDo you want to replace it?", dialogTitle, false,
                                      Answer::No) == Answer::Yes;
}

} // namespace

FileDialogResult ShowFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    FileDialogRequest shown = request;
    for (;;) {
        const FileDialogResult result = Handler() ? Handler()(shown) : RunFileDialog(parent, shown);
        if (result.error != 0)
            return result;
        if (!shown.save || MayReplace(result, shown.title)) {
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
