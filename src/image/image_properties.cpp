#include "image/image_properties.h"

#include "base/format.h"

namespace lk {

namespace {

struct KnownCreator {
    std::string_view code;
    std::string_view name;
};

constexpr KnownCreator kCreators[] = {
    {"RVLW", " (Revival)"},   {"WOOF", " (Bernie ][ the Rescue)"},
    {"CTKG", " (Catakig)"},   {"XGS!", " (XGS)"},
    {"LKSP", " (Larkspoon)"},
};

void replaceEnd(std::string& s, const char* three) {
    if (s.size() >= 3) s.replace(s.size() - 3, 3, three);
}

} // namespace

const char* sectorOrderText(uint32_t order) {
    switch (order) {
    case uint32_t(SectorOrder::DosOrder):
        return "DOS 3.3 - order floppy image.";
    case uint32_t(SectorOrder::ProdosOrder):
        return "ProDOS - order disk image.";
    case uint32_t(SectorOrder::NibbleOrder):
        return "Raw dump of disk nibbles.";
    default:
        return "Unknown!";
    }
}

std::string_view creatorName(const std::array<char, 4>& code) {
    std::string_view text(code.data(), code.size());
    for (const KnownCreator& c : kCreators)
        if (c.code == text) return c.name;
    return {};
}

ImagePage imagePage(const DiskImage& image) {
    ImagePage page;
    page.title = image.fileTitle;
    page.location = image.path;
    switch (image.kind) {
    case ImageKind::App:
        replaceEnd(page.title, "app");
        replaceEnd(page.location, "app");
        break;
    case ImageKind::Nib:
        replaceEnd(page.title, "NIB");
        replaceEnd(page.location, "nib");
        break;
    case ImageKind::Woz:
        replaceEnd(page.title, "WOZ");
        replaceEnd(page.location, "woz");
        break;
    default:
        break;
    }
    page.kind = imageKindText(image.kind);
    page.order = sectorOrderText(image.header.imageFormat);
    if (image.kind != ImageKind::TwoImg) return page;
    const TwoImgHeader& h = image.header;
    page.creator =
        std::string(h.creator.data(), h.creator.size()) + std::string(creatorName(h.creator));
    page.version = h.version;
    page.locked = (h.flags & kTwoImgLockedFlag) != 0;
    page.creatorLine = "Image Creator:\t\t" + page.creator;
    page.versionLine = format("2IMG Header version:\t%i", page.version);
    page.lockLine = std::string("Disk locked:\t\t") + (page.locked ? "Yes" : "No");
    return page;
}

} // namespace lk
