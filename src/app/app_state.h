// Everything the program holds while it runs, owned in one place and passed by reference.
#pragma once

#include "image/disk_image.h"
#include "base/host_file_read.h"
#include "catalog/catalog_tree.h"
#include "base/file_data.h"
#include "prodos/file_entry.h"
#include "prodos/paste.h"
#include "settings/settings.h"
#include "app/shell_state.h"

namespace lk {

struct AppState {
    DiskImage image;
    CatalogTree tree;
    FileDataBuffer file;
    Settings settings;
    ShellState shell;
    // The one entry the name dialogs fill and the create and copy commands use.
    FileEntry workingEntry;
    // The host file being imported.
    TransferBuffer transfer;
    // The Apple file copied last, kept for Paste Apple file, also into another image.
    AppleFileCopy copied;
    // The image holds changes not yet written to its file (saving after each change is off, or
    // the save failed).
    bool modified = false;
};

} // namespace lk
