#include "image/damage.h"

namespace lk {

std::string damageMessage(const DamageReport& damage, std::string_view consequence) {
    std::string text = "The volume is damaged: " + damage.firstNote + ".";
    if (damage.count == 2) text += " One more fault was found.";
    if (damage.count > 2)
        text += " " + std::to_string(damage.count - 1) + " more faults were found.";
    if (!consequence.empty()) text += " " + std::string(consequence);
    return text;
}

void reportDamage(Platform& platform, const DamageReport& damage, std::string_view consequence) {
    if (damage.any()) platform.showMessage(damageMessage(damage, consequence));
}

} // namespace lk
