// The texts of the Properties sheet: General (the selected file, folder or volume), Volume, Image
// and Advanced (where the selected entry lies). Computed from the image and the tree's selection;
// the window shows them, larkspoon-cli prints them. Nothing on the sheet changes the image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "catalog/catalog_tree.h"
#include "catalog/tree_icon.h"
#include "image/disk_image.h"
#include "image/image_properties.h"
#include "platform/access_boxes.h"

namespace lk {

inline constexpr std::string_view kNotForDos33 = "Does not apply to DOS 3.3!";
inline constexpr std::string_view kAccessNotKnown = "Access is not known!";

struct GeneralPage {
    TreeIcon icon = kIconBlankPage;
    std::string name;
    std::string type;
    std::string auxType;
    std::string location;
    std::string size;
    std::string storage;
    std::string created;
    std::string modified;
    uint8_t access = 0;
};

struct VolumePage {
    TreeIcon icon = kIconBlankPage;
    std::string name;
    std::string size;
    std::string files;
    std::string free;
    std::string created;
    std::string accessNote;
    uint8_t access = 0;
};

struct AdvancedPage {
    std::string entryOffset;
    std::string entryBlock;
    std::string firstFileBlock;
};

struct PropertySheet {
    GeneralPage general;
    VolumePage volume;
    ImagePage image;
    AdvancedPage advanced;
};

// A text of a page: its label, its name in larkspoon-cli's JSON (and the help topic of its
// control), and where the page keeps it.
template <typename Page> struct PageField {
    std::string_view label;
    std::string_view key;
    std::string Page::*text;
};
inline constexpr PageField<GeneralPage> kGeneralFields[] = {
    {"Name", "name", &GeneralPage::name},
    {"Type", "type", &GeneralPage::type},
    {"Auxiliary type", "auxType", &GeneralPage::auxType},
    {"Location", "location", &GeneralPage::location},
    {"Size", "size", &GeneralPage::size},
    {"Storage", "storage", &GeneralPage::storage},
    {"Created", "created", &GeneralPage::created},
    {"Modified", "modified", &GeneralPage::modified},
};
inline constexpr PageField<VolumePage> kVolumeFields[] = {
    {"Volume name", "volumeName", &VolumePage::name},
    {"Size", "volumeSize", &VolumePage::size},
    {"Files", "files", &VolumePage::files},
    {"Free", "free", &VolumePage::free},
    {"Created", "volumeCreated", &VolumePage::created},
};
inline constexpr PageField<AdvancedPage> kAdvancedFields[] = {
    {"Entry offset", "entryOffset", &AdvancedPage::entryOffset},
    {"Entry block", "entryBlock", &AdvancedPage::entryBlock},
    {"First file block", "firstFileBlock", &AdvancedPage::firstFileBlock},
};

// The name ProDOS gives a storage type: "Seedling", "Sapling", ... "$6" for an undefined one.
std::string storageTypeName(uint8_t storageType);

// The pages for the tree's selected node (the General and Advanced pages stay empty without one).
// A DOS 3.3 file is read to tell its size, into a buffer of the sheet's own.
GeneralPage generalPage(const DiskImage& image, const CatalogTree& tree);
VolumePage volumePage(const DiskImage& image, const CatalogTree& tree);
AdvancedPage advancedPage(const DiskImage& image, const CatalogTree& tree);
PropertySheet propertySheet(const DiskImage& image, const CatalogTree& tree);

// The labels of the access boxes that are checked, separated by ", ".
std::string accessText(uint8_t access);

} // namespace lk
