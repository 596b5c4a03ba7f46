#include "shell/app/display_commands.h"

namespace lk {

bool hasFindText(const FindRecord& record) {
    return !record.findText.empty();
}

bool findNextMatch(DisplayPane& pane, const FindRecord& record) {
    // Starting one character after the selection's start moves a repeated search on to the
    // next match.
    std::optional<TextRange> found;
    if (hasFindText(record))
        found = pane.find(record.findText, pane.selection().start + 1, record.matchCase);
    pane.select(found.value_or(TextRange{0, 0}));
    return found.has_value();
}

bool replaceOnce(DisplayPane& pane, const FindRecord& record) {
    if (!findNextMatch(pane, record)) return false;
    pane.replaceSelection(record.replaceText);
    return true;
}

void commandFind(ShellContext& ctx, FindMode mode) {
    ShellState& s = ctx.app.shell;
    ctx.view.openFindDialog(mode, s.findRecord);
    s.findDialogOpen = true;
}

void commandFindNext(ShellContext& ctx) {
    const FindRecord& record = ctx.app.shell.findRecord;
    if (!hasFindText(record)) {
        commandFind(ctx, FindMode::Find);
        return;
    }
    // The key searches silently: not found, the caret simply goes to the top.
    findNextMatch(ctx.view.displayPane(), record);
}

void onFindMessage(ShellContext& ctx, const FindMessage& message) {
    ShellState& s = ctx.app.shell;
    s.findRecord = message.fields;
    DisplayPane& pane = ctx.view.displayPane();
    auto notFound = [&] {
        ctx.platform.showMessage(kTextNotFound, kAppCaption, MessageIcon::Warning);
    };
    if (message.requests & kDialogClosed) s.findDialogOpen = false;
    if ((message.requests & kFindNextRequest) && !findNextMatch(pane, s.findRecord)) notFound();
    if ((message.requests & (kReplaceRequest | kReplaceAllRequest)) &&
        !replaceOnce(pane, s.findRecord))
        notFound();
    if (message.requests & kReplaceAllRequest) {
        // Each replacement moves the caret past the new text, so this ends.
        while (replaceOnce(pane, s.findRecord)) {
        }
    }
}

} // namespace lk
