// The changes to a ProDOS volume that the desktop commands and larkspoon-cli share: importing a
// host file, pasting a copied Apple file, making a folder and renaming, each with the checks of
// its command (the place, the pathname limits, the space, the name) around the core operation;
// and the save after a change. None of them shows or asks anything: a question comes back in the
// outcome and the caller runs the operation again with the answer.
#pragma once

#include <string>

#include "base/host_file_read.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"
#include "prodos/names.h"
#include "prodos/paste.h"
#include "settings/settings.h"

namespace lk {

// The answers given so far to the questions the operations ask.
struct ChangeAnswers {
    // "Are you sure you want to create a path that is greater than 64 characters long!"
    bool longPathConfirmed = false;
};

// One host file to import into the place of the tree's selection.
struct ImportRequest {
    NameFields fields; // as the Name dialog took them
    const TransferBuffer* transfer = nullptr;
    // An extended file: its resource fork beside the transfer buffer's data fork.
    bool extended = false;
    Bytes resourceFork;
};

// Imports the file under the Name dialog's rules. An empty file becomes an empty seedling (the
// Import command stops at an empty host file before it gets here). True once the file is on the
// volume; the working entry then holds its entry.
bool importFile(DiskImage& image, CatalogTree& tree, FileEntry& working,
                const ImportRequest& request, const ChangeAnswers& answers, Outcome& outcome);

// Pastes the copy into the place of the selection, both forks, keeping the copied entry's type,
// access and dates. A name used there already is refused ("Duplicate Name!").
bool pasteFile(DiskImage& image, CatalogTree& tree, const AppleFileCopy& copy,
               const ChangeAnswers& answers, Outcome& outcome);

// Makes a folder of that name and access in the place of the selection, dated `now`.
bool newFolder(DiskImage& image, CatalogTree& tree, const std::string& name, uint8_t access,
               const LocalDateTime& now, const ChangeAnswers& answers, Outcome& outcome);

// Renames the selected file, folder or volume as the Name dialog in rename mode takes it.
bool renameFile(DiskImage& image, CatalogTree& tree, const NameFields& fields,
                const ChangeAnswers& answers, Outcome& outcome);

// The save after a change: unless "AutoSavePrompt" is "FALSE" or the image was converted from
// nibbles. True when the file now holds the change; false when no save was due, or when it
// failed (told).
bool autoSave(DiskImage& image, const Settings& settings, Outcome& outcome);

} // namespace lk
