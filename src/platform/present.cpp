#include "platform/platform.h"

namespace lk {

void show(Platform& platform, const Message& message) {
    const MessageDef& def = messageDef(message.id);
    platform.showMessage(messageText(message), def.caption, def.icon);
}

bool ask(Platform& platform, const Message& message) {
    const MessageDef& def = messageDef(message.id);
    return platform.askYesNo(messageText(message), def.caption, def.icon);
}

void present(Platform& platform, const Outcome& outcome) {
    for (int i = 0; i < outcome.beeps; ++i) platform.beep();
    for (const Message& m : outcome.messages) show(platform, m);
}

} // namespace lk
