#include "base/outcome.h"

namespace lk {

Message damageMessage(const DamageReport& damage, std::optional<MessageId> consequence) {
    std::string first = damage.notes.empty() ? std::string() : messageText(damage.notes.front());
    std::string more;
    if (damage.count == 2) more = messageText(message(MessageId::OneMoreFault));
    if (damage.count > 2) more = messageText(message(MessageId::MoreFaults, damage.count - 1));
    std::string then = consequence ? " " + messageText(message(*consequence)) : std::string();
    return message(MessageId::VolumeDamaged, first, more, then);
}

void Outcome::addDamage(const DamageReport& damage, std::optional<MessageId> consequence) {
    if (damage.any()) messages.push_back(damageMessage(damage, consequence));
}

void Outcome::append(Outcome other) {
    for (Message& m : other.messages) messages.push_back(std::move(m));
    beeps += other.beeps;
    if (!question) question = std::move(other.question);
}

} // namespace lk
