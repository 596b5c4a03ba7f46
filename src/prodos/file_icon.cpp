#include <algorithm>
#include <cctype>

#include "prodos/directory_walk.h"

namespace lk {

namespace {
struct TypeIcon {
    uint8_t fileType;
    int icon;
};
constexpr TypeIcon kTypeIcons[] = {
    {0x04, kIconText},       {0x06, kIconBinary},        {0x0F, kIconFolder},
    {0x19, kIconDataBase},   {0x1A, kIconWordProcessor}, {0x1B, kIconSpreadsheet},
    {0x50, kIconGraphicsWP}, {0xB3, kIconS16},           {0xCA, kIconIconFile},
    {0xE0, kIconArchive},    {0xFC, kIconApplesoft},
};
} // namespace

int fileIcon(uint8_t fileType, uint16_t /*auxType*/, std::string& name) {
    if (fileType == 0xFF) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
        if (name == "BASIC.SYSTEM") return kIconBasicSystem;
        if (name == "PRODOS") return kIconProdos;
        return kIconSystem;
    }
    for (const auto& t : kTypeIcons) {
        if (t.fileType == fileType) return t.icon;
    }
    return kIconBlankPage;
}

int volumeIconForSize(int64_t fileSize) {
    if (fileSize < 300000) return kIconDisk525;
    if (fileSize <= 3000000) return kIconDisk35;
    return kIconHardDisk;
}

} // namespace lk
