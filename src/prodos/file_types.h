// ProDOS file type names: the three-letter abbreviations shown in catalogs and dialogs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lk {

// The table's name for a type; three spaces for an unnamed one.
std::string_view fileTypeName(uint8_t fileType);
// The text shown for a type: "PTP" for the packed-text auxiliary types, the table's name, or
// "$%02X" for an unnamed type.
std::string typeText(uint8_t fileType, uint16_t auxType);
// The first type whose name is exactly `name` (upper case), or -1.
int fileTypeByName(std::string_view name);

} // namespace lk
