#include "prodos/file_types.h"

#include <array>

#include "base/format.h"

namespace lk {

namespace {

struct NamedType {
    uint8_t type;
    const char* name;
};

constexpr NamedType kNamedTypes[] = {
    {0x00, "UNK"}, {0x01, "BAD"}, {0x02, "PCD"}, {0x03, "PTX"}, {0x04, "TXT"}, {0x05, "PDA"},
    {0x06, "BIN"}, {0x07, "FNT"}, {0x08, "FOT"}, {0x09, "BA3"}, {0x0A, "DA3"}, {0x0B, "WPF"},
    {0x0C, "SOS"}, {0x0F, "DIR"}, {0x10, "RPD"}, {0x11, "RPI"}, {0x12, "AFD"}, {0x13, "AFM"},
    {0x14, "AFR"}, {0x15, "SCL"}, {0x16, "PFS"}, {0x19, "ADB"}, {0x1A, "AWP"}, {0x1B, "ASP"},
    {0x20, "TDM"}, {0x21, "TDM"}, {0x22, "TDM"}, {0x29, "TDM"}, {0x2A, "8SC"}, {0x2B, "8OB"},
    {0x2C, "8IC"}, {0x2D, "8LD"}, {0x2E, "P8C"}, {0x42, "FTD"}, {0x50, "GWP"}, {0x51, "GSS"},
    {0x52, "GDB"}, {0x53, "DRW"}, {0x54, "GDP"}, {0x55, "HMD"}, {0x56, "EDU"}, {0x57, "STN"},
    {0x58, "HLP"}, {0x59, "COM"}, {0x5A, "CFG"}, {0x5B, "ANM"}, {0x5C, "MUM"}, {0x5D, "ENT"},
    {0x5E, "DVU"}, {0x6B, "BIO"}, {0x6D, "TDR"}, {0x6E, "PRE"}, {0x6F, "HDV"}, {0xA0, "WP "},
    {0xAB, "GSB"}, {0xAC, "TDF"}, {0xAD, "BDF"}, {0xB0, "SRC"}, {0xB1, "OBJ"}, {0xB2, "LIB"},
    {0xB3, "S16"}, {0xB4, "RTL"}, {0xB5, "EXE"}, {0xB6, "PIF"}, {0xB7, "TIF"}, {0xB8, "NDA"},
    {0xB9, "CDA"}, {0xBA, "TOL"}, {0xBB, "DVR"}, {0xBC, "LDF"}, {0xBD, "FST"}, {0xBF, "DOC"},
    {0xC0, "PNT"}, {0xC1, "PIC"}, {0xC2, "ANI"}, {0xC3, "PAL"}, {0xC5, "OOG"}, {0xC6, "SCR"},
    {0xC7, "CDV"}, {0xC8, "FON"}, {0xC9, "FND"}, {0xCA, "ICN"}, {0xD5, "MUS"}, {0xD6, "INS"},
    {0xD7, "MDI"}, {0xD8, "SND"}, {0xDB, "DBM"}, {0xE0, "LBR"}, {0xE2, "ATK"}, {0xEE, "R16"},
    {0xEF, "PAS"}, {0xF0, "CMD"}, {0xF9, "OS "}, {0xFA, "INT"}, {0xFB, "IVR"}, {0xFC, "BAS"},
    {0xFD, "VAR"}, {0xFE, "REL"}, {0xFF, "SYS"},
};

constexpr std::array<const char*, 256> buildTable() {
    std::array<const char*, 256> table{};
    for (auto& name : table) name = "   ";
    for (const auto& t : kNamedTypes) table[t.type] = t.name;
    return table;
}

constexpr std::array<const char*, 256> kTypeNames = buildTable();

} // namespace

std::string_view fileTypeName(uint8_t fileType) {
    return kTypeNames[fileType];
}

std::string typeText(uint8_t fileType, uint16_t auxType) {
    if ((fileType == 0x2E && auxType > 0x8001) || (fileType == 0x5A && auxType > 0x8008))
        return "PTP";
    std::string_view name = kTypeNames[fileType];
    if (name == "   ") return format("$%02X", unsigned(fileType));
    return std::string(name);
}

int fileTypeByName(std::string_view name) {
    for (int t = 0; t < 256; ++t) {
        if (name == kTypeNames[size_t(t)]) return t;
    }
    return -1;
}

} // namespace lk
