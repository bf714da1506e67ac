#include "common/ui/widget_routines.h"

#include "common/file_routines.h"
#include "common/list_routines.h"
#include "common/messages.h"
#include "common/number_parsing.h"
#include "common/program_identity.h"
#include "common/user_interface.h"
#include "common/window_placement.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace vq {
namespace {

std::vector<std::string> ItemTexts(const QComboBox* combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.push_back(combo->itemText(i).toStdString());
    return texts;
}

std::vector<std::string> ItemTexts(const QListWidget* list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

QWidget* MainWidget()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("ThermixMain"))
            return w;
    return nullptr;
}

WindowRect RectOf(const QRect& r)
{
    return {r.left(), r.top(), r.width(), r.height()};
}

} // namespace

int FindComboItemByText(const QComboBox* combo, const std::string& text)
{
    return FindComboItemByText(ItemTexts(combo), text);
}

int FindListItemByText(const QListWidget* list, const std::string& text)
{
    return FindListItemByText(ItemTexts(list), text);
}

int FindComboItemByData(const QComboBox* combo, int value)
{
    std::vector<int> data;
    for (int i = 0; i < combo->count(); ++i)
        data.push_back(combo->itemData(i).toInt());
    return FindComboItemByData(data, value);
}

int FindListItemByData(const QListWidget* list, int value)
{
    std::vector<int> data;
    for (int i = 0; i < list->count(); ++i)
        data.push_back(list->item(i)->data(Qt::UserRole).toInt());
    return FindListItemByData(data, value);
}

bool SelectComboItemByText(QComboBox* combo, const std::string& text)
{
    const int found = FindComboItemByText(combo, text);
    if (found < 0)
        return false;
    combo->setCurrentIndex(found);
    return true;
}

bool IsListItemSelected(const QListWidget* list, int data, const std::string& text)
{
    const int i = text.empty() ? FindListItemByData(list, data) : FindListItemByText(list, text);
    return i >= 0 && list->item(i)->isSelected();
}

void SetListSelection(int mode, QListWidget* list)
{
    if (mode < -1 || mode > 1)
        return;
    list->setUpdatesEnabled(false);
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        item->setSelected(mode == -1 ? true : mode == 0 ? false : !item->isSelected());
    }
    list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    list->setUpdatesEnabled(true);
}

int GetSelectedOptionIndex(const std::vector<QRadioButton*>& options)
{
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i] && options[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

void SetTextBoxEditable(QLineEdit* box, bool editable, bool disable)
{
    QPalette palette = box->palette();
    if (editable) {
        box->setEnabled(true);
        palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Base));
        box->unsetCursor();
    } else {
        palette.setColor(QPalette::Base, QApplication::palette().color(QPalette::Button));
        box->setCursor(Qt::ArrowCursor);
        if (disable)
            box->setEnabled(false);
    }
    box->setPalette(palette);
    box->setReadOnly(!editable);
}

bool CheckNumberBox(QLineEdit* box, const std::string& boxName)
{
    const std::string text = box->text().toStdString();
    double value = 0;
    const TypedNumber read = ReadTypedNumber(text, value);
    if (read == TypedNumber::Ok)
        return true;
    RefuseNumberBox(box, TypedNumberMessage(read, boxName, text));
    return false;
}

void RefuseNumberBox(QLineEdit* box, const std::string& message)
{
    CurrentUserInterface().Beep();
    ShowMessage(message, MessageExclamation);
    if (box->isEnabled() && box->isVisibleTo(box->window())) {
        box->setFocus();
        box->selectAll();
    }
}

namespace {

// The frame around form: its own once the window system has told it, else (before
// the form is first on the screen) one like the main window's.
QMargins FrameMargins(const QWidget* form, const QWidget* main)
{
    if (form->windowFlags() & Qt::FramelessWindowHint)
        return {};
    const QWidget* framed = (form->frameGeometry() != form->geometry() || !main) ? form : main;
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Centres the form on the main window, kept on the main window's screen. A shown form
// that is larger than the screen's free area, frame included, is first made to fit,
// never below its minimum size (a hidden one gets its size only when shown).
void PlaceOnMain(QWidget* form)
{
    const QWidget* main = MainWidget();
    const QRect screen = (main ? main->screen() : form->screen())->availableGeometry();
    const QPoint origin = screen.topLeft();
    const WindowRect owner = RectOf((main ? main->frameGeometry() : screen).translated(-origin));
    const QMargins frame = FrameMargins(form, main);
    QSize size = form->size();
    if (form->isVisible())
        size = size.boundedTo(screen.size().shrunkBy(frame)).expandedTo(form->minimumSize());
    const WindowRect placed =
        CenterFormOnMain(owner, RectOf(QRect(QPoint(), size).marginsAdded(frame)), screen.width(), screen.height());
    const QPoint frameTopLeft(placed.left + origin.x(), placed.top + origin.y());
    if (!form->isVisible()) {
        form->move(frameTopLeft);
        return;
    }
    // The client area is set, so that the frame lands in place even where the window
    // system draws the frame only later.
    form->setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), size));
}

void PlaceOverOwner(const QWidget* owner, QWidget* form)
{
    const WindowRect placed = CenterFormOverOwner(RectOf(owner->frameGeometry()), RectOf(form->frameGeometry()));
    form->move(placed.left, placed.top);
}

// Places its form again whenever it is shown: a form gets its final size only then.
class PlaceOnShow : public QObject {
public:
    PlaceOnShow(QWidget* form, std::function<void()> place) : QObject(form), place_(std::move(place)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            place_();
        return false;
    }

private:
    std::function<void()> place_;
};

void PlaceNowAndOnShow(QWidget* form, const std::function<void()>& place)
{
    place();
    if (form->isVisible())
        return;
    const QObjectList children = form->children();
    for (QObject* child : children)
        delete dynamic_cast<PlaceOnShow*>(child);
    form->installEventFilter(new PlaceOnShow(form, place));
}

} // namespace

void CenterFormOnMain(QWidget* form)
{
    PlaceNowAndOnShow(form, [form] { PlaceOnMain(form); });
}

void CenterFormOverOwner(const QWidget* owner, QWidget* form)
{
    const QPointer<const QWidget> alive(owner);
    PlaceNowAndOnShow(form, [alive, form] {
        if (alive)
            PlaceOverOwner(alive, form);
    });
}

void Pause(double seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (static_cast<double>(timer.nsecsElapsed()) / 1e9 <= seconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool OpenDocument(const std::string& target, bool isLink, bool checkExists, const std::string& parameters)
{
    (void)parameters; // the desktop opener takes no parameters
    const QString path = QString::fromStdString(target).trimmed();
    if (checkExists && !isLink && !FileExists(target)) {
        ShowMessage("Could not find file: " + target, MessageInformation);
        return false;
    }
    const QUrl url = isLink ? QUrl(path) : QUrl::fromLocalFile(path);
    return QDesktopServices::openUrl(url);
}

void ShowCalculator()
{
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (path.isEmpty())
            continue;
        if (!QProcess::startDetached(path, {})) {
            CurrentUserInterface().Beep();
            CurrentUserInterface().Message("Unknown error opening calculator.", MessageStyle::Exclamation, ProgramTitle);
        }
        return;
    }
    CurrentUserInterface().Message("Could not find the Windows calculator executable in your path.",
                                   MessageStyle::Information, ProgramTitle);
}

bool IsCalculatorKey(const QKeyEvent* event)
{
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);
    const Qt::KeyboardModifiers shift = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_K || (keypad && event->key() == Qt::Key_Plus)) && shift == Qt::ControlModifier;
}

} // namespace vq
