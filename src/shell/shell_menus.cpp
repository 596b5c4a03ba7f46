#include "shell/shell_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/qt_platform.h"

namespace lk {

ShellMenus::ShellMenus(QMenuBar* bar, QObject* parent) : QObject(parent) {
    for (const MenuDef& def : kMenuBar) {
        QMenu* menu = bar->addMenu(toQString(def.title));
        menus_.push_back(menu);
        for (const MenuItem& item : def.items) {
            if (item.command == kSeparator) {
                menu->addSeparator();
            } else if (item.command == kStepItemsSlot) {
                for (StepItems s : {StepItems::Initial, StepItems::Sector})
                    for (const MenuItem& step : stepItemTexts(s)) makeAction(nullptr, step);
                for (const MenuItem& step : stepItemTexts(StepItems::Initial))
                    menu->addAction(actions_[step.command]);
            } else {
                makeAction(menu, item);
            }
        }
    }
    connect(menus_[size_t(kEditMenuIndex)], &QMenu::aboutToShow, this,
            &ShellMenus::editMenuAboutToShow);
}

QAction* ShellMenus::makeAction(QMenu* menu, const MenuItem& item) {
    auto* action = new QAction(toQString(item.text), this);
    action->setData(item.command);
    // The keys are the window's own shortcuts; the text after the tab only names them.
    action->setShortcutContext(Qt::WidgetShortcut);
    int command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { emit commandTriggered(command); });
    actions_[command] = action;
    if (menu) menu->addAction(action);
    return action;
}

QAction* ShellMenus::action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* ShellMenus::menu(int index) const {
    return index >= 0 && size_t(index) < menus_.size() ? menus_[size_t(index)] : nullptr;
}

void ShellMenus::placeStepItems(StepItems which) {
    QMenu* apple = menus_[size_t(kAppleMenuIndex)];
    for (StepItems s : {StepItems::Initial, StepItems::Sector})
        for (const MenuItem& step : stepItemTexts(s)) apple->removeAction(actions_[step.command]);
    QAction* before = actions_[cmd::kBitMap];
    for (const MenuItem& step : stepItemTexts(which)) {
        QAction* a = actions_[step.command];
        a->setText(toQString(step.text));
        apple->insertAction(before, a);
    }
    placed_ = which;
}

void ShellMenus::apply(const MenuState& state) {
    if (state.stepItems != placed_) placeStepItems(state.stepItems);
    for (auto& [command, action] : actions_) action->setEnabled(state.isEnabled(command));
}

} // namespace lk
