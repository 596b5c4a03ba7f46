// What a walk or a read found wrong with a volume. The first finding is kept to tell the user
// once, in one sentence, after the operation has kept what it could read.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace lk {

struct DamageReport {
    std::string firstNote;
    int count = 0;

    void note(std::string what) {
        if (count++ == 0) firstNote = std::move(what);
    }
    bool any() const { return count > 0; }
};

// "The volume is damaged: <first note>. <consequence>"
std::string damageMessage(const DamageReport& damage, std::string_view consequence);
void reportDamage(Platform& platform, const DamageReport& damage, std::string_view consequence);

} // namespace lk
