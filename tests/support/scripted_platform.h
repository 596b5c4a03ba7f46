// The platform layer's test double: records every message and question, and answers questions
// from a script (No when the script has run out).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lk::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

// Records what a platform was asked to show; `Base` is the platform interface it stands for.
template <typename Base> class Recording : public Base {
  public:
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(caption), icon});
    }
    bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override {
        questions.push_back({std::string(text), std::string(caption), icon});
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }
    void setWaitCursor(bool wait) override { waitCursor = wait; }

    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;
    std::deque<bool> answers;
    int beeps = 0;
    bool waitCursor = false;

    std::string lastMessage() const { return messages.empty() ? "" : messages.back().text; }
};

using ScriptedPlatform = Recording<Platform>;

} // namespace lk::test
