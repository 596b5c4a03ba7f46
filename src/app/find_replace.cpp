#include "app/display_commands.h"

namespace lk {

bool hasFindText(const FindRecord& record) {
    return !record.findText.empty();
}

bool findNextMatch(DisplayPane& pane, const FindRecord& record) {
    // A search starts one character after the start of a selection, so that a repeated search
    // moves on past the match it found; with a bare caret it starts at the caret, so that a
    // match right there (or right after a replacement) is found.
    std::optional<TextRange> found;
    TextRange selected = pane.selection();
    int64_t from = selected.start == selected.end ? selected.start : selected.start + 1;
    if (hasFindText(record)) found = pane.find(record.findText, from, record.matchCase);
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
    auto notFound = [&] { show(ctx.platform, lk::message(MessageId::TextNotFound)); };
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
