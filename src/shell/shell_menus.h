// The menu bar built from the menu table: one action per command, enabled and greyed as the
// menu state says, with the block or sector stepping items in their place.
#pragma once

#include <QObject>
#include <map>
#include <vector>

#include "app/menu_state.h"

class QAction;
class QMenu;
class QMenuBar;

namespace lk {

class ShellMenus : public QObject {
    Q_OBJECT
  public:
    ShellMenus(QMenuBar* bar, QObject* parent = nullptr);

    void apply(const MenuState& state);
    // The command's action, present in the menus or not; nullptr for an unknown command.
    QAction* action(int command) const;
    QMenu* menu(int index) const;

  signals:
    void commandTriggered(int command);
    void editMenuAboutToShow();

  private:
    QAction* makeAction(QMenu* menu, const MenuItem& item);
    void placeStepItems(StepItems which);

    std::map<int, QAction*> actions_;
    std::vector<QMenu*> menus_;
    StepItems placed_ = StepItems::Initial;
};

} // namespace lk
