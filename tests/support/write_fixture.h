// A ProDOS volume opened for the write operations, with the steps the tests repeat: selecting a
// path, creating a file, reading one back, and checking the volume.
#pragma once

#include <string>
#include <vector>

#include "open_helpers.h"
#include "prodos/check_volume.h"
#include "prodos/create_file.h"
#include "prodos_builder.h"

namespace lk::test {

struct WriteFixture : Opened {
    explicit WriteFixture(ProdosBuilder& b);

    // Selects the node of the path ("/" the volume); kNoNode (nothing selected) when absent.
    NodeId select(const std::string& path);
    // Creates a file of that name with the bytes in the selected place, as Import does.
    int32_t create(const std::string& name, Bytes data);
    // The entry of the path (cleared when absent) and the bytes of one of its forks.
    FileEntry entry(const std::string& path);
    std::vector<uint8_t> read(const std::string& path, Fork fork = Fork::Data);
    // The check's findings as text, empty when the volume is sound.
    std::string findings() const;

    Outcome outcome; // what the operations reported
};

// Every finding of a check, one a line.
std::string checkText(const VolumeCheck& check);

} // namespace lk::test
