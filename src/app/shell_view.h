// What the commands ask of the main window. The window implements it; the commands stay plain
// functions over the application state.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_tree.h"
#include "app/display_pane.h"
#include "app/find_record.h"
#include "graphics/picture.h"
#include "app/menu_state.h"
#include "app/properties.h"

namespace lk {

enum class EditAction { Undo, Cut, Copy, Clear, SelectAll };

class ShellView {
  public:
    virtual ~ShellView() = default;
    virtual void setCaption(const std::string& text) = 0;
    // Marks the title while the image holds changes not yet saved.
    virtual void setModified(bool modified) = 0;
    virtual void showMenuState(const MenuState& menu) = 0;
    // Around the rebuild of the whole tree by an open: the tree view stops following the tree
    // node by node and shows the result at once.
    virtual void beginTreeRebuild() = 0;
    virtual void endTreeRebuild() = 0;
    virtual void expandNode(NodeId node) = 0;
    // The text hand-over of the display pane. clearDisplay empties it, re-applies the display
    // font (with the 80-column wrap), the tab stops, the background and the font colour, and
    // hides it while new text is produced; setDisplayText replaces the whole text,
    // insertDisplayText adds text at the caret (producers that hand over pieces); showDisplay
    // hides the picture pane, shows the display with the caret at the start and focuses it.
    virtual void clearDisplay() = 0;
    virtual void setDisplayText(std::string_view text) = 0;
    virtual void insertDisplayText(std::string_view text) = 0;
    virtual void showDisplay() = 0;
    // Hides the picture pane, leaving whatever the display shows.
    virtual void hideImageWindow() = 0;
    // Puts the picture in the picture pane and shows the pane in place of the display; false
    // when the pane cannot hold it.
    virtual bool showPicture(const Picture& picture) = 0;
    // Prints the picture the pane holds, one page per copy, at the place pictureTarget gives.
    // Returns the failures in the order they happened.
    virtual std::vector<PrintProblem> printPicture(const PrintSettings& settings,
                                                   const PageSetup& setup,
                                                   const std::string& documentName) = 0;
    // Turns the display's wrap at the width of 80 characters on or off (clearDisplay turns it
    // back on); a listing of wide rows is shown unwrapped.
    virtual void setDisplayWrap(bool wrapAt80) = 0;
    virtual void editDisplay(EditAction action) = 0;
    // The display pane's side of the Edit menu's state (the find dialog is the shell's).
    virtual EditFacts displayEditFacts() = 0;
    // The text pane's searching, pasting, formatted text and printing.
    virtual DisplayPane& displayPane() = 0;
    // Opens the modeless Find or Replace dialog with the record's fields, or brings the open
    // one to the front.
    virtual void openFindDialog(FindMode mode, const FindRecord& record) = 0;
    // Asks the window to close, as the close box does.
    virtual void closeWindow() = 0;
    // Told of every command number that reaches the dispatcher, before it runs.
    virtual void commandDelivered(int command) = 0;
    // The modeless Properties sheet: opened, or its texts replaced, and brought to the front
    // when `raise`.
    virtual void showProperties(const PropertySheet& sheet, bool raise) = 0;
    virtual bool propertiesShown() = 0;
    // The display settings applied again to the panes, keeping their text: the background and
    // text colours, and the font too when `font`.
    virtual void applyDisplayFormat(bool font) = 0;
};

} // namespace lk
