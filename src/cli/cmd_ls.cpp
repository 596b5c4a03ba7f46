// larkspoon-cli ls [--json] IMAGE: every node of the catalog tree, in tree order.
#include <nlohmann/json.hpp>

#include "base/format.h"
#include "catalog/find_path.h"
#include "catalog/tree_icon.h"
#include "cli/cli.h"
#include "dos33/dos_entry.h"
#include "dos33/vtoc.h"
#include "prodos/file_entry.h"
#include "prodos/file_types.h"
#include "prodos/read_file.h"
#include "volume/volume.h"

namespace lk::cli {

namespace {

using Json = nlohmann::ordered_json;

// Disk names are bytes: each stands for the Latin-1 character it displays as.
std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

const char* kindName(NodeKind kind) {
    if (isVolume(kind)) return "volume";
    return kind == NodeKind::Folder ? "folder" : "file";
}

Json prodosJson(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    FileEntry e;
    loadEntry(s.image, item.entryOffset, e);
    return {{"path", latin1ToUtf8(nodePath(s.tree, node))},
            {"name", latin1ToUtf8(item.text)},
            {"kind", kindName(item.kind)},
            {"storage", e.storageType()},
            {"type", e.fileType},
            {"aux", e.auxType},
            {"eof", forkEof(s.image, item.entryOffset, Fork::Data)},
            {"blocks", e.blocksUsed},
            {"key", e.keyPointer},
            {"entry", item.entryOffset},
            {"icon", int(treeIcon(item))}};
}

// The volume node of a DOS 3.3 disk describes the VTOC.
Json dosVolumeJson(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    Vtoc v;
    readVtoc(s.image, v);
    return {{"path", latin1ToUtf8(nodePath(s.tree, node))},
            {"name", latin1ToUtf8(item.text)},
            {"kind", "volume"},
            {"volumeNumber", v.volumeNumber},
            {"dosRelease", v.dosRelease},
            {"catalogTrack", v.catalogTrack},
            {"catalogSector", v.catalogSector},
            {"tracks", v.tracksPerDisk},
            {"sectorsPerTrack", v.sectorsPerTrack},
            {"freeSectors", countFreeSectors(s.image)},
            {"entry", item.entryOffset},
            {"icon", int(treeIcon(item))}};
}

Json dosFileJson(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    DosEntry e;
    dosEntryAt(s.image, item.entryOffset, e);
    return {{"path", latin1ToUtf8(trimmedDosName(item.text))},
            {"name", latin1ToUtf8(item.text)},
            {"kind", "file"},
            {"dosType", e.type},
            {"locked", e.locked},
            {"sectors", e.sectors},
            {"entry", item.entryOffset},
            {"icon", int(treeIcon(item))}};
}

std::string jsonLine(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    Json json;
    if (item.kind == NodeKind::DosVolume)
        json = dosVolumeJson(s, node);
    else if (item.kind == NodeKind::DosFile)
        json = dosFileJson(s, node);
    else
        json = prodosJson(s, node);
    return json.dump(-1, ' ', true);
}

std::string prodosLine(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    FileEntry e;
    loadEntry(s.image, item.entryOffset, e);
    std::string line(size_t(2 * s.tree.depth(node)), ' ');
    if (e.storageType() == kStorageVolumeHeader)
        return line + format("%-16s Volume", item.text.c_str());
    return line + format("%-16s %s %u", item.text.c_str(),
                         typeText(e.fileType, e.auxType).c_str(),
                         forkEof(s.image, item.entryOffset, Fork::Data));
}

// The volume's text, then each file as the CATALOG command shows it, without the name's padding.
std::string dosLine(const Session& s, NodeId node) {
    const CatalogItem& item = *s.tree.item(node);
    if (item.kind == NodeKind::DosVolume) return item.text;
    return "  " + volumeOf(s.image).listingAttributes(s.image, item) +
           trimmedDosName(item.text);
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
    Session s;
    if (auto end = startVerb({"ls", {}, {"json"}, 1, 1, "one IMAGE"}, argc, argv, s)) return *end;
    bool json = s.args.has("json");
    std::string out;
    eachNode(s.tree, [&](NodeId n) {
        if (json)
            out += jsonLine(s, n);
        else
            out += s.image.isDos33 ? dosLine(s, n) : prodosLine(s, n);
        out += '\n';
    });
    writeText(s, out);
    return finish(s);
}

} // namespace lk::cli
