#include "prodos/rename.h"

#include <algorithm>

#include "prodos/directory_walk.h"

namespace lk {

namespace {

// A folder's header: the storage type $E stays, the name length and name are the entry's.
void renameFolderHeader(DiskImage& image, const FileEntry& working) {
    MutableBytes key = blockBytesMutable(image, working.keyPointer);
    if (key.empty() || key[kFirstEntryOffset] >> 4 != kStorageSubdirectoryHeader) return;
    uint8_t* header = key.data() + kFirstEntryOffset;
    header[0] = uint8_t((kStorageSubdirectoryHeader << 4) | working.nameLength());
    std::copy(working.name.begin(), working.name.end(), header + entry::kName);
}

} // namespace

bool renameSelected(DiskImage& image, CatalogTree& tree, const FileEntry& working,
                    Outcome& outcome) {
    NodeId node = tree.selection();
    const CatalogItem* item = tree.item(node);
    if (!item) {
        outcome.add(MessageId::NoItemSelected);
        return false;
    }
    if (storeEntry(image, item->entryOffset, working) != 0) {
        DamageReport damage;
        damage.note(MessageId::NoteEntryOutside);
        outcome.addDamage(damage, MessageId::NothingChanged);
        return false;
    }
    FileEntry stored;
    loadEntry(image, item->entryOffset, stored);
    CatalogItem renamed = *item;
    if (renamed.kind == NodeKind::File) {
        renamed = fileItem(stored.nameText(), stored.fileType, item->entryOffset);
    } else {
        renamed.text = stored.nameText();
        if (renamed.kind == NodeKind::Folder) renameFolderHeader(image, stored);
    }
    tree.setItem(node, std::move(renamed));
    return true;
}

} // namespace lk
