// The platform layer: everything the core and the commands show to the user or ask of them
// goes through this interface, so that every command runs the same with a window (the Qt
// implementation in the shell), in a terminal (larkspoon-cli) or under test (a scripted double).
#pragma once

#include <string>
#include <string_view>

namespace lk {

inline constexpr std::string_view kAppCaption = "Larkspoon";
inline constexpr std::string_view kErrorCaption = "Larkspoon Error";

enum class MessageIcon { None, Warning, Error, Question, Information };

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

// The one warning box of the program: the format is filled with the argument, and an empty
// argument reads "untitled".
void reportProblem(Platform& platform, std::string_view format, std::string_view argument);

} // namespace lk
