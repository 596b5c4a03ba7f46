// What a walk or a read found wrong with a volume. The findings are kept as notes; the user is
// told once, with the first of them, after the operation has kept what it could read.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "base/message.h"

namespace lk {

struct DamageReport {
    // The first notes (at most kKeptNotes); `count` counts them all.
    std::vector<Message> notes;
    int count = 0;

    static constexpr size_t kKeptNotes = 64;

    template <typename... Args> void note(MessageId id, Args... args) {
        if (notes.size() < kKeptNotes) notes.push_back(message(id, args...));
        ++count;
    }
    bool any() const { return count > 0; }
};

// "The volume is damaged: <first note>. [More faults.] <consequence>"
Message damageMessage(const DamageReport& damage, std::optional<MessageId> consequence);

} // namespace lk
