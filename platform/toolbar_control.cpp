#include "platform/toolbar_control.h"

#include "common/safe_file.h"
#include "platform/tool_icons.h"
#include "platform/view_width.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {
namespace {

QString PlainCaption(const std::string& caption)
{
    QString text = QString::fromStdString(caption);
    text.remove('&');
    if (text.endsWith("..."))
        text.chop(3);
    return text.trimmed();
}

Qt::ToolButtonStyle ButtonStyle(const BandTool& t, bool hasIcon)
{
    if (t.displayStyle == 1 || !hasIcon)
        return Qt::ToolButtonTextOnly;
    if (t.displayStyle == 3)
        return t.captionPosition == 4 ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon;
    return Qt::ToolButtonIconOnly;
}

} // namespace

ToolbarControl::ToolbarControl(QMainWindow* window) : QObject(window), window_(window), layout_(BuiltInToolbarLayout())
{
    window_->installEventFilter(this);
    Relayout();
}

ToolbarControl::~ToolbarControl() = default;

QAction* ToolbarControl::Action(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* ToolbarControl::MakeAction(const ToolRecord& tool)
{
    auto* action = new QAction(this);
    action->setObjectName(QString::fromStdString(tool.name));
    action->setIcon(ToolIcon(tool.id));
    const int id = tool.id;
    connect(action, &QAction::triggered, this, [this, id] { EmitClick(id); });
    actions_[id] = action;
    return action;
}

void ToolbarControl::UpdateAction(int id)
{
    const ToolRecord* tool = layout_.Tool(id);
    QAction* action = Action(id);
    if (!tool || !action)
        return;
    // The caption of the first menu that shows the tool, else its own.
    std::string caption = tool->caption;
    for (const BandRecord& band : layout_.bands) {
        if (const BandTool* t = band.Find(id); t && (IsMenuBand(band.name) || IsSubMenuBand(band.name))) {
            caption = t->caption;
            break;
        }
    }
    QString text = QString::fromStdString(caption);
    if (!tool->shortcut.empty())
        text += "\t" + QString::fromStdString(tool->shortcut);
    action->setText(text);
    action->setIconText(PlainCaption(caption));
    action->setToolTip(tool->tooltip.empty() ? PlainCaption(caption) : QString::fromStdString(tool->tooltip));
    action->setStatusTip(QString::fromStdString(tool->description));
    action->setEnabled(tool->enabled);
    action->setVisible(tool->visible);
    const bool checkable = tool->checked || action->isCheckable();
    action->setCheckable(checkable);
    action->setChecked(tool->checked);
}

bool ToolbarControl::IsSubMenuBand(const std::string& name) const
{
    for (const auto& [id, tool] : layout_.tools)
        if (tool.kind == MenuHolderKind && tool.subBand == name)
            return true;
    return false;
}

QMenu* ToolbarControl::KeptMenu(const std::string& key, QWidget* parent, const std::string& title)
{
    QMenu*& menu = menus_[key];
    if (!menu)
        menu = new QMenu(parent);
    menu->setTitle(QString::fromStdString(title));
    return menu;
}

void ToolbarControl::FillMenu(QMenu* menu, const std::string& key, const BandRecord& band, int depth)
{
    for (std::size_t i = 0; i < band.tools.size(); ++i) {
        const BandTool& t = band.tools[i];
        const ToolRecord* tool = layout_.Tool(t.id);
        if (!tool)
            continue;
        const BandRecord* sub = tool->kind == MenuHolderKind ? layout_.Band(tool->subBand) : nullptr;
        if (sub && depth < 4) {
            const std::string childKey = key + "/" + std::to_string(i);
            QMenu* child = KeptMenu(childKey, menu, t.caption);
            child->menuAction()->setVisible(tool->visible);
            child->menuAction()->setEnabled(tool->enabled);
            menu->addAction(child->menuAction());
            FillMenu(child, childKey, *sub, depth + 1);
        } else if (QAction* action = Action(t.id)) {
            menu->addAction(action);
        }
    }
}

void ToolbarControl::Relayout()
{
    for (const auto& [id, tool] : layout_.tools) {
        if (!Action(id))
            MakeAction(tool);
    }
    for (const auto& [id, action] : actions_)
        UpdateAction(id);

    // Menus left out of the new layout stay empty until used again.
    for (const auto& [key, menu] : menus_)
        menu->clear();
    QMenuBar* bar = window_->menuBar();
    bar->clear();
    if (const BandRecord* main = layout_.Band(GetBandName(MainMenuBand))) {
        for (std::size_t i = 0; i < main->tools.size(); ++i) {
            const BandTool& t = main->tools[i];
            const ToolRecord* tool = layout_.Tool(t.id);
            const BandRecord* sub = tool && tool->kind == MenuHolderKind ? layout_.Band(tool->subBand) : nullptr;
            if (sub) {
                const std::string key = std::to_string(i);
                QMenu* menu = KeptMenu(key, bar, t.caption);
                menu->menuAction()->setVisible(tool->visible);
                bar->addAction(menu->menuAction());
                FillMenu(menu, key, *sub, 1);
            } else if (QAction* action = Action(t.id)) {
                bar->addAction(action);
            }
        }
    }

    BuildBars();
}

QToolBar* ToolbarControl::NewBar(const QString& name)
{
    auto* toolbar = new QToolBar(name, window_);
    toolbar->setObjectName(name);
    toolbar->installEventFilter(this);
    window_->addToolBar(toolbar);
    return toolbar;
}

void ToolbarControl::RetireBar(QToolBar* toolbar)
{
    window_->removeToolBar(toolbar);
    if (clickDepth_ > 0)
        parkedBars_.push_back(toolbar);
    else
        toolbar->deleteLater();
}

void ToolbarControl::EmitClick(int id)
{
    ++clickDepth_;
    emit Click(id);
    if (--clickDepth_ > 0)
        return;
    // The click has ended: the bars taken off meanwhile go once control is back in the
    // event loop.
    for (QToolBar* toolbar : parkedBars_)
        toolbar->deleteLater();
    parkedBars_.clear();
}

void ToolbarControl::AddTool(QToolBar* toolbar, const BandTool& t)
{
    QAction* action = Action(t.id);
    if (!action)
        return;
    toolbar->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action))) {
        button->setToolButtonStyle(ButtonStyle(t, !action->icon().isNull()));
        button->installEventFilter(this);
    }
}

void ToolbarControl::BuildBars()
{
    for (QToolBar* bar : wrapBars_)
        RetireBar(bar);
    wrapBars_.clear();
    wrapWidth_ = window_->width();
    std::map<std::string, QToolBar*> bars;
    for (const BandRecord& band : layout_.bands) {
        if (IsMenuBand(band.name) || IsSubMenuBand(band.name))
            continue;
        QToolBar* toolbar = nullptr;
        // Inside a click the old bars stay whole, as the button clicked may be on one of
        // them: a bar losing a tool deletes its button.
        if (auto found = bars_.find(band.name); found != bars_.end() && clickDepth_ == 0) {
            toolbar = found->second;
            bars_.erase(found);
            toolbar->clear();
        } else {
            toolbar = NewBar(QString::fromStdString(band.name));
        }
        for (const BandTool& t : band.tools)
            AddTool(toolbar, t);
        WrapBar(toolbar, band);
        bars[band.name] = toolbar;
    }
    for (auto& [name, toolbar] : bars_)
        RetireBar(toolbar);
    bars_ = std::move(bars);
}

void ToolbarControl::WrapBar(QToolBar* toolbar, const BandRecord& band)
{
    // The tools that do not fit the window's width go on further rows, so none of
    // them hides in the bar's overflow.
    std::vector<std::pair<const BandTool*, int>> shown;
    int sum = 0;
    for (const BandTool& t : band.tools) {
        QAction* action = Action(t.id);
        QWidget* button = action ? toolbar->widgetForAction(action) : nullptr;
        if (!button || !action->isVisible())
            continue;
        shown.emplace_back(&t, button->sizeHint().width());
        sum += shown.back().second;
    }
    if (shown.empty())
        return;
    const int spacing = std::max(0, toolbar->layout()->spacing());
    const int total = toolbar->sizeHint().width();
    const int overhead = total - sum - spacing * (static_cast<int>(shown.size()) - 1);
    // A little slack for the frame of the window's toolbar area.
    const int available = window_->width() - 8;
    if (total <= available)
        return;
    QToolBar* row = toolbar;
    int used = overhead;
    int inRow = 0;
    for (const auto& [t, width] : shown) {
        if (inRow > 0 && used + spacing + width > available) {
            window_->addToolBarBreak();
            row = NewBar(toolbar->objectName() + " (continued)");
            wrapBars_.push_back(row);
            used = overhead;
            inRow = 0;
        }
        if (row != toolbar) {
            toolbar->removeAction(Action(t->id));
            AddTool(row, *t);
        }
        used += (inRow++ > 0 ? spacing : 0) + width;
    }
}

bool ToolbarControl::SetToolEnabled(int id, bool enabled)
{
    ToolRecord* tool = layout_.Tool(id);
    if (!tool)
        return false;
    tool->enabled = enabled;
    UpdateAction(id);
    return true;
}

bool ToolbarControl::SetToolChecked(int id, bool checked)
{
    ToolRecord* tool = layout_.Tool(id);
    if (!tool)
        return false;
    tool->checked = checked;
    if (QAction* action = Action(id))
        action->setCheckable(true);
    UpdateAction(id);
    return true;
}

bool ToolbarControl::GetToolChecked(int id) const
{
    const ToolRecord* tool = layout_.Tool(id);
    return tool && tool->checked;
}

bool ToolbarControl::SetToolVisible(int id, bool visible)
{
    ToolRecord* tool = layout_.Tool(id);
    if (!tool)
        return false;
    tool->visible = visible;
    UpdateAction(id);
    return true;
}

bool ToolbarControl::SetToolCaption(const std::string& bandName, int id, const std::string& caption)
{
    bool found = false;
    for (BandRecord& band : layout_.bands) {
        if (!bandName.empty() && band.name != bandName)
            continue;
        if (BandTool* t = band.Find(id)) {
            t->caption = caption;
            found = true;
        }
    }
    ToolRecord* tool = layout_.Tool(id);
    if (!tool || (!bandName.empty() && !found))
        return false;
    if (bandName.empty())
        tool->caption = caption;
    UpdateAction(id);
    return true;
}

bool ToolbarControl::LoadLayout(const std::string& path, const std::string& bandName, std::string& errorText)
{
    std::string text;
    if (ReadWholeFile(path, text, errorText) != FileReadStatus::Ok) {
        if (errorText.empty())
            errorText = "The file " + path + " was not found.";
        return false;
    }
    if (!layout_.Load(text, bandName, errorText))
        return false;
    Relayout();
    return true;
}

bool ToolbarControl::SaveLayout(const std::string& path, std::string& errorText) const
{
    return WriteFileSafely(path, layout_.Save(), errorText);
}

bool ToolbarControl::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const QKeySequence pressed(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
    for (const auto& [id, tool] : layout_.tools) {
        if (tool.shortcut.empty() || !tool.enabled || !tool.visible)
            continue;
        if (QKeySequence(QString::fromStdString(tool.shortcut)) == pressed) {
            EmitClick(id);
            return true;
        }
    }
    return false;
}

bool ToolbarControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Resize && window_->width() != wrapWidth_)
        BuildBars();
    if (event->type() == QEvent::ToolTip && !showTooltips_)
        return true;
    return QObject::eventFilter(watched, event);
}

void ToolbarControl::Customize()
{
    emit PreCustomizeMenu();
    const std::string bandName = GetBandName(MainToolbarBand);
    QDialog dialog(window_);
    dialog.setWindowTitle("Customize Toolbars");
    auto* available = new QListWidget(&dialog);
    auto* shown = new QListWidget(&dialog);
    auto* add = new QPushButton("&Add >>", &dialog);
    auto* remove = new QPushButton("<< &Remove", &dialog);
    auto* up = new QPushButton("Move &Up", &dialog);
    auto* down = new QPushButton("Move &Down", &dialog);
    auto* reset = new QPushButton("R&eset", &dialog);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);

    auto refill = [&] {
        available->clear();
        shown->clear();
        const BandRecord* band = layout_.Band(bandName);
        for (const auto& [id, tool] : layout_.tools) {
            if (tool.kind == MenuHolderKind || tool.category == "MenuMain" || (band && band->Find(id)))
                continue;
            auto* item = new QListWidgetItem(PlainCaption(tool.caption), available);
            item->setData(Qt::UserRole, id);
        }
        if (band) {
            for (const BandTool& t : band->tools) {
                auto* item = new QListWidgetItem(PlainCaption(t.caption), shown);
                item->setData(Qt::UserRole, t.id);
            }
        }
    };
    int captionWidth = 0;
    for (const auto& [id, tool] : layout_.tools)
        captionWidth = std::max(captionWidth, EntryTextWidth(available, PlainCaption(tool.caption)));
    FitViewWidth(available, captionWidth);
    FitViewWidth(shown, captionWidth);
    auto change = [&](auto edit) {
        BandRecord* band = layout_.Band(bandName);
        if (!band)
            return;
        edit(*band);
        Relayout();
        refill();
    };
    connect(add, &QPushButton::clicked, &dialog, [&] {
        if (!available->currentItem())
            return;
        const int id = available->currentItem()->data(Qt::UserRole).toInt();
        change([&](BandRecord& band) {
            const ToolRecord* tool = layout_.Tool(id);
            band.tools.push_back({id, tool->caption, tool->marker, tool->kind, 0, 0});
        });
    });
    connect(remove, &QPushButton::clicked, &dialog, [&] {
        const int row = shown->currentRow();
        change([&](BandRecord& band) {
            if (row >= 0 && row < static_cast<int>(band.tools.size()))
                band.tools.erase(band.tools.begin() + row);
        });
    });
    auto move = [&](int step) {
        const int row = shown->currentRow();
        change([&](BandRecord& band) {
            const int to = row + step;
            if (row >= 0 && to >= 0 && to < static_cast<int>(band.tools.size()))
                std::swap(band.tools[static_cast<std::size_t>(row)], band.tools[static_cast<std::size_t>(to)]);
        });
        shown->setCurrentRow(row + step);
    };
    connect(up, &QPushButton::clicked, &dialog, [&] { move(-1); });
    connect(down, &QPushButton::clicked, &dialog, [&] { move(1); });
    connect(reset, &QPushButton::clicked, &dialog, [&] {
        emit Reset(QString::fromStdString(bandName));
        refill();
    });
    connect(close, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {add, remove, up, down, reset})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel("Commands:", &dialog));
    left->addWidget(available);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QString::fromStdString(bandName) + ":", &dialog));
    right->addWidget(shown);
    lists->addLayout(left);
    lists->addLayout(buttons);
    lists->addLayout(right);
    auto* all = new QVBoxLayout(&dialog);
    all->addLayout(lists);
    all->addWidget(close);
    refill();
    dialog.exec();
}

} // namespace vq
