// The Name and New Folder dialogs as the commands run them: the fields they open with (the name
// and type suggested for a host file, an entry's own when renaming, "NEWFOLDER"), and their OK,
// which judges the fields by the ProDOS rules, tells the first rule broken and keeps the dialog
// open until the fields pass.
#pragma once

#include <string>

#include "app/commands.h"
#include "prodos/names.h"

namespace lk {

// Import: the name and type suggested for the host file, access $C3.
NameDialogState importNameDialog(ShellContext& ctx, const std::string& hostFileName);
// Rename: the entry's name, type, auxiliary type and access; for the volume the type fields
// read "Volume" and four spaces and cannot be edited. The selected node is the one renamed.
NameDialogState renameNameDialog(ShellContext& ctx, const FileEntry& entry);
// New Folder: "NEWFOLDER", access $C3.
NameDialogState newFolderDialog(ShellContext& ctx);

NameFields nameFields(const NameDialogFields& fields);

} // namespace lk
