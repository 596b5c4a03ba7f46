// The handlers the dispatcher calls, one per command or group of commands.
#pragma once

#include "shell/app/commands.h"

namespace lk {

// File > Open: the open-image dialog, then the open.
void commandOpen(ShellContext& ctx);
// View Apple file (fork 0) and View Resource fork (fork 0x100).
void viewAppleFile(ShellContext& ctx, int fork);

} // namespace lk
