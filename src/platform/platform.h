// The platform layer: what the commands show to the user or ask of them goes through this
// interface, so that every command runs the same with a window (the Qt implementation in the
// shell), in a terminal (larkspoon-cli) or under test (a scripted double).
#pragma once

#include <string_view>

#include "base/messages.h"
#include "base/outcome.h"

namespace lk {

class Platform {
  public:
    virtual ~Platform() = default;

    // A message box with an OK button.
    virtual void showMessage(std::string_view text, std::string_view caption = kAppCaption,
                             MessageIcon icon = MessageIcon::Warning) = 0;
    // A Yes/No question; true means Yes.
    virtual bool askYesNo(std::string_view text, std::string_view caption = kAppCaption,
                          MessageIcon icon = MessageIcon::Question) = 0;
    virtual void beep() = 0;
    // The wait cursor around long operations; false restores the arrow.
    virtual void setWaitCursor(bool wait) = 0;
};

// Shows one message of the catalogue in its box, with its caption and icon.
void show(Platform& platform, const Message& message);
// Asks a question of the catalogue; true for Yes.
bool ask(Platform& platform, const Message& message);
// Presents what an operation reported: its beeps, then its messages in order. The question, if
// any, is left to the caller, who must run the operation again with the answer.
void present(Platform& platform, const Outcome& outcome);

} // namespace lk
