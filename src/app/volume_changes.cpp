#include "app/volume_changes.h"

#include <algorithm>
#include <cctype>

#include "image/save_image.h"
#include "prodos/create_file.h"
#include "prodos/path_limits.h"
#include "prodos/place_path.h"
#include "prodos/rename.h"
#include "prodos/volume_bit_map.h"

namespace lk {

namespace {

// The pathname's length of the place; false (told) when it cannot be made.
bool placeLength(const DiskImage& image, const CatalogTree& tree, PlaceContext context, int& length,
                 Outcome& outcome) {
    std::string text;
    length = placePath(image, tree, text);
    if (length >= 0) return true;
    addPlaceError(outcome, length, context);
    return false;
}

// Creates the entry and tells a failure in the words of the command.
bool create(DiskImage& image, CatalogTree& tree, FileEntry& working, const CreateRequest& request,
            Outcome& outcome) {
    int32_t result = createEntry(image, tree, working, request, outcome);
    addCreateError(outcome, result, request.mode);
    return result > 0;
}

// A new folder's key block: its header, named and dated as the working entry says.
std::vector<uint8_t> folderKeyBlock(const FileEntry& working) {
    std::vector<uint8_t> key(kBlockSize + 4, 0);
    uint8_t* h = key.data() + kFirstEntryOffset;
    h[0] = uint8_t((kStorageSubdirectoryHeader << 4) | working.nameLength());
    std::copy(working.name.begin(), working.name.end(), h + entry::kName);
    h[0x10] = 0x75; // the fixed byte of a folder header
    std::copy(working.creation.begin(), working.creation.end(), h + entry::kCreation);
    h[entry::kAccess] = working.access;
    key[dirHeader::kEntryLength] = uint8_t(kEntryLength);
    key[dirHeader::kEntriesPerBlock] = uint8_t(kEntriesPerBlock);
    putLe16(key.data() + dirHeader::kParentPointer, working.headerPointer);
    return key;
}

} // namespace

bool importFile(DiskImage& image, CatalogTree& tree, FileEntry& working,
                const ImportRequest& request, const ChangeAnswers& answers, Outcome& outcome) {
    int place = 0;
    if (!placeLength(image, tree, PlaceContext::Import, place, outcome)) return false;
    if (!acceptNameFields(tree, NameMode::Create, request.fields, working, outcome)) return false;
    if (!pathLengthAllowed(place + working.nameLength(), answers.longPathConfirmed, outcome))
        return false;
    const TransferBuffer& transfer = *request.transfer;
    uint64_t size = transfer.length + (request.extended ? request.resourceFork.size() : 0);
    if (!freeBytesAtLeast(image, size)) {
        outcome.add(MessageId::NotEnoughSpaceImport);
        return false;
    }
    CreateRequest create{CreateMode::Import,    Bytes(transfer.bytes.data(), transfer.length),
                         request.extended,      request.resourceFork,
                         transfer.hostFileTime, transfer.importTime};
    return lk::create(image, tree, working, create, outcome);
}

bool pasteFile(DiskImage& image, CatalogTree& tree, const AppleFileCopy& copy,
               const ChangeAnswers& answers, Outcome& outcome) {
    uint64_t size = copy.data.size() + copy.resourceFork.size();
    if (!freeBytesAtLeast(image, size + 1)) {
        outcome.add(MessageId::NotEnoughSpacePaste);
        return false;
    }
    int place = 0;
    if (!placeLength(image, tree, PlaceContext::Paste, place, outcome)) return false;
    if (!pathLengthAllowed(place + copy.entry.nameLength(), answers.longPathConfirmed, outcome))
        return false;
    std::string name = copy.name;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    if (nameExists(tree, name, NameMode::Create, outcome) != 0) {
        outcome.add(MessageId::DuplicateName);
        return false;
    }
    FileEntry working = copy.entry;
    CreateRequest create{CreateMode::Paste,
                         Bytes(copy.data.data(), copy.data.size()),
                         copy.hasResourceFork,
                         Bytes(copy.resourceFork.data(), copy.resourceFork.size()),
                         {},
                         {}};
    return lk::create(image, tree, working, create, outcome);
}

bool newFolder(DiskImage& image, CatalogTree& tree, const std::string& name, uint8_t access,
               const LocalDateTime& now, const ChangeAnswers& answers, Outcome& outcome) {
    FileEntry working;
    if (!acceptFolderName(tree, name, access, working, outcome)) return false;
    if (countFreeBlocks(image) < 1) {
        outcome.add(MessageId::NotEnoughSpaceFolder);
        return false;
    }
    int place = 0;
    if (!placeLength(image, tree, PlaceContext::NewFolder, place, outcome)) return false;
    if (!pathLengthAllowed(place + working.nameLength() + 1, answers.longPathConfirmed, outcome))
        return false;
    std::vector<uint8_t> key = folderKeyBlock(working);
    CreateRequest create{CreateMode::NewFolder, Bytes(key.data(), kBlockSize), false, {}, {}, now};
    return lk::create(image, tree, working, create, outcome);
}

bool renameFile(DiskImage& image, CatalogTree& tree, const NameFields& fields,
                const ChangeAnswers& answers, Outcome& outcome) {
    const CatalogItem* item = tree.item(tree.selection());
    if (!item) {
        outcome.add(MessageId::NoItemSelected);
        return false;
    }
    FileEntry working;
    if (loadEntry(image, item->entryOffset, working) != 0) return false;
    int oldLength = working.nameLength();
    if (!acceptNameFields(tree, NameMode::Rename, fields, working, outcome)) return false;
    int place = 0;
    if (!placeLength(image, tree, PlaceContext::Rename, place, outcome)) return false;
    bool folder = working.storageType() == kStorageSubdirectory;
    int length = place - (folder ? oldLength : 0) + working.nameLength();
    if (!pathLengthAllowed(length, answers.longPathConfirmed, outcome)) return false;
    return renameSelected(image, tree, working, outcome);
}

bool autoSave(DiskImage& image, const Settings& settings, Outcome& outcome) {
    if (!settings.autoSave || isNibbleKind(image.kind)) return false;
    return saveImage(image, outcome);
}

} // namespace lk
