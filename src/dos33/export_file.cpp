#include "dos33/export_file.h"

#include <algorithm>
#include <cstring>

#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "dos33/read_dos_file.h"
#include "image/host_file.h"
#include "prodos/file_entry.h"
#include "prodos/read_file.h"
#include "prodos/selection.h"

namespace lk {

namespace {

// Keeps `count` bytes from `skip` on, moved to the start, held to what the file holds.
uint32_t keep(uint8_t* data, uint32_t length, uint32_t skip, uint32_t count) {
    if (skip > length) skip = length;
    count = std::min(count, length - skip);
    if (skip) std::memmove(data, data + skip, count);
    return count;
}

// A program or binary file: the length word at `wordAt` says how many bytes follow the
// `header` bytes; with the preference on the header is dropped.
uint32_t byLengthWord(uint8_t* data, uint32_t length, uint32_t wordAt, uint32_t header,
                      bool dropHeader) {
    uint32_t word = length >= wordAt + 2 ? le16(data + wordAt) : 0;
    return dropHeader ? keep(data, length, header, word) : keep(data, length, 0, word + header);
}

uint32_t text(uint8_t* data, uint32_t length, bool clearBit7) {
    uint32_t n = uint32_t(std::find(data, data + length, 0) - data);
    if (clearBit7) {
        for (uint32_t i = 0; i < n; ++i) data[i] &= 0x7F;
    }
    return n;
}

char hostSafe(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '/' || c == '\\') return '_';
    return c;
}

std::string appleName(const DiskImage& image, uint32_t entryOffset) {
    if (image.isDos33) {
        DosEntry e;
        dosEntryAt(image, entryOffset, e);
        return e.name;
    }
    FileEntry e;
    loadEntry(image, entryOffset, e);
    std::string name;
    for (char c : e.nameText()) {
        c = char(c & 0x7F);
        if (c == 0) break;
        name += c;
    }
    return name;
}

} // namespace

uint32_t adjustDosExport(uint8_t dosType, const Settings& settings, uint8_t* data,
                         uint32_t length) {
    uint32_t n = length;
    switch (dosType) {
    case kDosText:
        n = text(data, length, isTrue(settings.dosTxt));
        break;
    case kDosInteger:
        n = byLengthWord(data, length, 0, 2, isTrue(settings.dosInt));
        break;
    case kDosApplesoft:
        n = byLengthWord(data, length, 0, 2, isTrue(settings.dosApsft));
        break;
    case kDosBinary:
        n = byLengthWord(data, length, 2, 4, isTrue(settings.dosBin));
        break;
    default:
        break;
    }
    data[n] = 0;
    return n;
}

std::string suggestedExportName(const DiskImage& image, uint32_t entryOffset) {
    // The spaces that pad a DOS 3.3 name are not part of it: a host file name keeps them on
    // some systems, where "HELLO" would become a name ending in 25 spaces.
    std::string name = trimmedDosName(appleName(image, entryOffset));
    std::transform(name.begin(), name.end(), name.begin(), hostSafe);
    return name;
}

int32_t prepareExport(const DiskImage& image, const CatalogTree& tree, const Settings& settings,
                      FileDataBuffer& out, Platform& platform) {
    uint32_t entry = querySelection(tree);
    int32_t n;
    if (image.isDos33) {
        n = readSelectedDosFile(image, tree, out, platform);
        if (n < 0) {
            reportDosError(platform, n);
            return n;
        }
        n = int32_t(adjustDosExport(out.dosFileType, settings, out.fileData.data(), uint32_t(n)));
        out.fileLength = n;
    } else {
        if (tree.item(tree.selection()) == nullptr) return -1;
        n = readProdosFile(image, entry, kDataFork, out, platform);
        if (n < 0) return n;
    }
    if (n == 0) {
        std::string name = trimmedDosName(appleName(image, entry));
        reportProblem(platform, "There is nothing to export from %s.", name);
    }
    return n;
}

std::string withDefaultExtension(const std::string& path, std::string_view extension) {
    PathParts parts = splitPath(path);
    if (!parts.extension.empty() || parts.fileName.empty()) return path;
    return path + "." + std::string(extension);
}

int32_t writeExportFile(const std::string& path, Bytes bytes) {
    if (!writeFileReplacing(path, bytes)) return 0;
    return int32_t(bytes.size());
}

} // namespace lk
