// The Image page of the Properties sheet: the image file's name, kind, sector order and place,
// and for a ".2MG" file the creator, header version and lock state of its header.
#pragma once

#include <string>

#include "image/disk_image.h"

namespace lk {

struct ImagePage {
    std::string title;    // the file's name
    std::string kind;     // "Type:"
    std::string order;    // "Order:"
    std::string location; // "Location:", the file's path
    // The three lines of a ".2MG" file's header (empty for every other kind).
    std::string creatorLine;
    std::string versionLine;
    std::string lockLine;
    // The same facts on their own, for larkspoon-cli.
    std::string creator; // the code, and the creator's name when it is a known one
    int version = 0;
    bool locked = false;
};

// "DOS 3.3 - order floppy image.", "ProDOS - order disk image.", "Raw dump of disk nibbles."
const char* sectorOrderText(uint32_t order);
// " (Revival)" and the like for a creator code the program knows, empty for any other.
std::string_view creatorName(const std::array<char, 4>& code);

// The page's texts. An image converted from nibbles goes by the nibble file's name and ending
// here, although its path names the sector image a Save As would write.
ImagePage imagePage(const DiskImage& image);

} // namespace lk
