// What an operation of the core has to tell besides its value: the messages for the user in the
// order they arose, the beeps of the listers, and a question the operation needs answered before
// it can go on. The core never shows anything; the shells present outcomes, each in its own way.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "base/damage.h"
#include "base/message.h"

namespace lk {

struct Outcome {
    std::vector<Message> messages;
    int beeps = 0;
    // Asked of the user before the operation can go on; the caller asks and runs the operation
    // again with the answer.
    std::optional<Message> question;

    template <typename... Args> void add(MessageId id, Args... args) {
        messages.push_back(message(id, args...));
    }
    void add(Message m) { messages.push_back(std::move(m)); }
    void beep() { ++beeps; }
    // The damage found, told once with what it means for the user, when there is any.
    void addDamage(const DamageReport& damage, std::optional<MessageId> consequence);
    // Another outcome's messages and beeps after this one's.
    void append(Outcome other);

    bool hasMessages() const { return !messages.empty(); }
    bool empty() const { return messages.empty() && beeps == 0 && !question; }
};

// A value with the outcome of making it.
template <typename T> struct Result {
    T value{};
    Outcome outcome;
};

} // namespace lk
