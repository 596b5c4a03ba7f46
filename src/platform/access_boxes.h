// The six access check boxes of the Name, New Folder and Properties dialogs, in their order,
// each with the bit of the ProDOS access byte it stands for.
#pragma once

#include <cstdint>
#include <string_view>

namespace lk {

struct AccessBox {
    uint8_t bit;
    std::string_view label;      // in the Name and New Folder dialogs, with its mnemonic
    std::string_view sheetLabel; // on the Properties pages and in larkspoon-cli props
    std::string_view topic;      // its help in the user guide
};
inline constexpr AccessBox kAccessBoxes[] = {
    {0x01, "&Read", "Read", "access-read"},
    {0x02, "&Write", "Write", "access-write"},
    {0x04, "&Invisible", "Invisible", "access-invisible"},
    {0x20, "&Backup bit", "Backup", "access-backup"},
    {0x40, "Re&name", "Rename", "access-rename"},
    {0x80, "&Destroy", "Destroy", "access-destroy"},
};

} // namespace lk
