#include "app/name_dialog.h"

#include "base/format.h"
#include "prodos/file_types.h"

namespace lk {

namespace {

// The OK of a dialog: the fields are judged into a scratch entry (the command makes the change
// itself once the dialog has closed) and the first rule broken is told.
template <typename Judge> std::function<bool(const NameDialogFields&)> okJudgedBy(
    ShellContext& ctx, Judge judge) {
    return [&ctx, judge](const NameDialogFields& fields) {
        Outcome outcome;
        bool ok = judge(fields, outcome);
        present(ctx.platform, outcome);
        return ok;
    };
}

} // namespace

NameFields nameFields(const NameDialogFields& f) {
    return NameFields{f.name, f.type, f.aux, f.access};
}

NameDialogState importNameDialog(ShellContext& ctx, const std::string& hostFileName) {
    NameDialogState state;
    TypeFields type = suggestedType(hostFileName);
    state.fields = {suggestedName(hostFileName), type.type, type.aux, kDefaultAccess};
    state.accept = okJudgedBy(ctx, [&tree = ctx.app.tree](const NameDialogFields& f, Outcome& o) {
        FileEntry scratch;
        return acceptNameFields(tree, NameMode::Create, nameFields(f), scratch, o);
    });
    return state;
}

NameDialogState renameNameDialog(ShellContext& ctx, const FileEntry& entry) {
    NameDialogState state;
    state.fields.name = suggestedName(entry.nameText());
    state.fields.access = entry.access;
    state.typeReadOnly = entry.storageType() == kStorageVolumeHeader;
    if (state.typeReadOnly) {
        state.fields.type = "Volume";
        state.fields.aux = "    ";
    } else {
        state.fields.type = typeText(entry.fileType, entry.auxType);
        state.fields.aux = format("%04X", unsigned(entry.auxType));
    }
    state.accept = okJudgedBy(
        ctx, [&tree = ctx.app.tree, entry](const NameDialogFields& f, Outcome& o) {
            FileEntry scratch = entry;
            return acceptNameFields(tree, NameMode::Rename, nameFields(f), scratch, o);
        });
    return state;
}

NameDialogState newFolderDialog(ShellContext& ctx) {
    NameDialogState state;
    state.kind = NameDialogKind::NewFolder;
    state.fields = {"NEWFOLDER", "", "", kDefaultAccess};
    state.accept = okJudgedBy(ctx, [&tree = ctx.app.tree](const NameDialogFields& f, Outcome& o) {
        FileEntry scratch;
        return acceptFolderName(tree, f.name, f.access, scratch, o);
    });
    return state;
}

} // namespace lk
