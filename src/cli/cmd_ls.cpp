// larkspoon-cli ls [--json] IMAGE: every node of the catalog tree, in tree order.
#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "dos33/catalog_listing.h"
#include "dos33/dos_entry.h"
#include "dos33/vtoc.h"
#include "prodos/file_entry.h"
#include "prodos/file_types.h"
#include "prodos/find_path.h"
#include "prodos/read_file.h"

namespace lk::cli {

namespace {

const char* nodeKind(uint8_t storage) {
    if (storage == kStorageVolumeHeader) return "volume";
    if (storage == kStorageSubdirectory) return "folder";
    return "file";
}

std::string prodosJson(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    FileEntry e;
    loadEntry(s.image, item.entryOffset, e);
    char numbers[256];
    std::snprintf(numbers, sizeof numbers,
                  "\"storage\":%u,\"type\":%u,\"aux\":%u,\"eof\":%u,\"blocks\":%u,\"key\":%u,"
                  "\"entry\":%u,\"icon\":%d}",
                  e.storageType(), e.fileType, e.auxType,
                  forkEof(s.image, item.entryOffset, kDataFork), e.blocksUsed, e.keyPointer,
                  item.entryOffset, item.icon);
    return "{\"path\":" + jsonString(nodePath(s.tree, node)) +
           ",\"name\":" + jsonString(item.text) + ",\"kind\":\"" + nodeKind(e.storageType()) +
           "\"," + numbers;
}

std::string prodosLine(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    FileEntry e;
    loadEntry(s.image, item.entryOffset, e);
    std::string line(size_t(2 * s.tree.depth(node)), ' ');
    char rest[64];
    if (e.storageType() == kStorageVolumeHeader)
        std::snprintf(rest, sizeof rest, "%-16s Volume", item.text.c_str());
    else
        std::snprintf(rest, sizeof rest, "%-16s %s %u", item.text.c_str(),
                      typeText(e.fileType, e.auxType).c_str(),
                      forkEof(s.image, item.entryOffset, kDataFork));
    return line + rest;
}

// The volume node of a DOS 3.3 disk describes the VTOC.
std::string dosVolumeJson(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    Vtoc v;
    readVtoc(s.image, v);
    char numbers[256];
    std::snprintf(numbers, sizeof numbers,
                  "\"volumeNumber\":%u,\"dosRelease\":%u,\"catalogTrack\":%u,"
                  "\"catalogSector\":%u,\"tracks\":%u,\"sectorsPerTrack\":%u,"
                  "\"freeSectors\":%d,\"entry\":%u,\"icon\":%d}",
                  v.volumeNumber, v.dosRelease, v.catalogTrack, v.catalogSector, v.tracksPerDisk,
                  v.sectorsPerTrack, countFreeSectors(s.image), item.entryOffset, item.icon);
    return "{\"path\":" + jsonString(nodePath(s.tree, node)) +
           ",\"name\":" + jsonString(item.text) + ",\"kind\":\"volume\"," + numbers;
}

std::string dosFileJson(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    DosEntry e;
    dosEntryAt(s.image, item.entryOffset, e);
    char numbers[128];
    std::snprintf(numbers, sizeof numbers,
                  "\"dosType\":%u,\"locked\":%s,\"sectors\":%u,\"entry\":%u,\"icon\":%d}", e.type,
                  e.locked ? "true" : "false", e.sectors, item.entryOffset, item.icon);
    return "{\"path\":" + jsonString(trimmedDosName(item.text)) +
           ",\"name\":" + jsonString(item.text) + ",\"kind\":\"file\"," + numbers;
}

std::string dosJson(const Session& s, NodeId node) {
    return s.tree.parent(node) == kNoNode ? dosVolumeJson(s, node) : dosFileJson(s, node);
}

// The volume's text, then each file as the CATALOG command shows it, without the name's padding.
std::string dosLine(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    if (s.tree.parent(node) == kNoNode) return item.text;
    return "  " + entryAttributes(s.image, item.entryOffset, item.icon) + trimmedDosName(item.text);
}

// Depth-first, in the order the tree shows.
template <typename Visit> void eachNode(const CatalogTree& tree, Visit visit) {
    std::vector<NodeId> stack;
    for (NodeId n = tree.lastChild(kRootLevel); n != kNoNode; n = tree.previousSibling(n))
        stack.push_back(n);
    while (!stack.empty()) {
        NodeId n = stack.back();
        stack.pop_back();
        visit(n);
        for (NodeId c = tree.lastChild(n); c != kNoNode; c = tree.previousSibling(c))
            stack.push_back(c);
    }
}

} // namespace

int runLs(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {"json"}, args, error)) return usageError(error);
    if (args.positional.size() != 1) return usageError("ls takes one IMAGE");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    bool json = args.has("json");
    eachNode(s.tree, [&](NodeId n) {
        std::string line;
        if (s.image.isDos33)
            line = json ? dosJson(s, n) : dosLine(s, n);
        else
            line = json ? prodosJson(s, n) : prodosLine(s, n);
        std::printf("%s\n", line.c_str());
    });
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
