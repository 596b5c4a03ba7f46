// Whole-file reads and safe writes of host files. Paths are UTF-8 text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/bytes.h"

namespace lk {

std::filesystem::path hostPath(const std::string& utf8);
std::string utf8Path(const std::filesystem::path& path);

enum class HostRead { Done, Unreadable, TooLarge };

// Reads the whole file and appends `spare` zero bytes. A file larger than `maxSize` is refused
// before anything is read; one that cannot be opened, sized, held in memory or read is
// Unreadable. `out` is empty unless the read is Done.
HostRead readWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t spare,
                       uint64_t maxSize = 0x7FFFFFF0u);

// The first `count` bytes of the file, or fewer when it is shorter; none when it cannot be read.
std::vector<uint8_t> readFileStart(const std::string& path, size_t count);

// Writes the bytes to a temporary file beside `path` and renames it over `path`, so that a
// failed write never leaves half a file behind. False on any failure (the old file stays).
bool writeFileReplacing(const std::string& path, Bytes bytes);

// Writes the bytes to a new file at `path`, made only if no file is there (a failed write removes
// what it began); a file that is there already is replaced through writeFileReplacing. For the
// many small files of an extraction, which need no temporary file each.
bool writeNewFile(const std::string& path, Bytes bytes);

// Splits a path at its last folder separator and the last "." of the name after it; the
// extension keeps its dot.
struct PathParts {
    std::string folder;
    std::string baseName;
    std::string extension;
    std::string fileName;
};
PathParts splitPath(const std::string& path);

} // namespace lk
