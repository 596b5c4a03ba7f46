#include "app/new_image_dialog.h"

#include <algorithm>

#include "base/upper_text.h"

namespace lk {

namespace {

constexpr int kFloppySizeIndex = 0;

void checkType(NewDialogState& s, NewDialogRadio type) {
    s.twoImg = type == NewDialogRadio::TwoImg;
    s.dsk = type == NewDialogRadio::Dsk;
    s.po = type == NewDialogRadio::Po;
}

void checkOrder(NewDialogState& s, bool dos) {
    s.dos = dos;
    s.prodos = !dos;
}

// A type other than DSK: ProDOS order only, any listed size.
void blockOrderType(NewDialogState& s, NewDialogRadio type) {
    checkType(s, type);
    checkOrder(s, false);
    s.dosEnabled = false;
    s.sizeListEnabled = true;
    s.writeProtectEnabled = type == NewDialogRadio::TwoImg;
}

// DSK: a 5.25-inch floppy in either order, never write-protected.
void floppyType(NewDialogState& s) {
    checkType(s, NewDialogRadio::Dsk);
    s.sizeIndex = kFloppySizeIndex;
    s.dosEnabled = true;
    s.sizeListEnabled = false;
    s.writeProtectEnabled = false;
}

} // namespace

NewDialogState openNewDialog(const NewImageChoice& c) {
    NewDialogState s;
    checkOrder(s, c.newOrder == "DOS");
    s.writeProtect = c.newWriteProtect == "TRUE";
    s.volumeName = upperText(c.newVolumeName);
    s.sizeIndex = std::max(newImageSizeIndex(c.newSize), 0);
    if (c.newType == "DSK")
        floppyType(s);
    else
        blockOrderType(s, c.newType == "PO" ? NewDialogRadio::Po : NewDialogRadio::TwoImg);
    return s;
}

void clickNewDialog(NewDialogState& s, NewDialogRadio radio) {
    switch (radio) {
    case NewDialogRadio::TwoImg:
    case NewDialogRadio::Po:
        blockOrderType(s, radio);
        break;
    case NewDialogRadio::Dsk:
        floppyType(s);
        break;
    case NewDialogRadio::Prodos:
        checkOrder(s, false);
        break;
    case NewDialogRadio::Dos:
        if (!s.dosEnabled) break;
        checkOrder(s, true);
        floppyType(s);
        break;
    }
}

void chooseNewImageSize(NewDialogState& s, int index) {
    if (!s.sizeListEnabled || index < 0 || index >= int(kNewImageSizeCount)) return;
    s.sizeIndex = index;
    // A size the list offers is a size in ProDOS order.
    if (index != kFloppySizeIndex) checkOrder(s, false);
}

NewImageChoice acceptNewDialog(const NewDialogState& s) {
    NewImageChoice c;
    c.newSize = std::string(kNewImageSizes[size_t(s.sizeIndex)].name);
    c.newVolumeName = upperText(s.volumeName.substr(0, 15));
    c.newOrder = s.dos ? "DOS" : "PRODOS";
    c.newType = s.dsk || s.dos ? "DSK" : s.po ? "PO" : "2IMG";
    if (c.newType == "DSK")
        c.newSize = std::string(kNewImageSizes[kFloppySizeIndex].name);
    else
        c.newOrder = "PRODOS";
    c.newWriteProtect = s.writeProtect ? "TRUE" : "FALSE";
    return c;
}

std::optional<NewImageSpec> newImageSpec(const NewImageChoice& c) {
    int size = newImageSizeIndex(c.newSize);
    bool dos = c.newOrder == "DOS";
    bool locked = c.newWriteProtect == "TRUE";
    if (size < 0 || (!dos && c.newOrder != "PRODOS")) return std::nullopt;
    NewImageSpec shape;
    shape.dataBytes = kNewImageSizes[size_t(size)].bytes;
    if (c.newType == "DSK") {
        if (size != kFloppySizeIndex) return std::nullopt;
        shape.kind = ImageKind::Dsk;
        shape.order = dos ? SectorOrder::DosOrder : SectorOrder::ProdosOrder;
        return shape;
    }
    if (dos || (c.newType != "2IMG" && c.newType != "PO")) return std::nullopt;
    shape.kind = c.newType == "PO" ? ImageKind::Po : ImageKind::TwoImg;
    shape.locked = locked && shape.kind == ImageKind::TwoImg;
    return shape;
}

bool usableAsFileName(const std::string& name) {
    if (name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](unsigned char c) {
        return c < 0x20 || c == '/' || c == '\\' || c == 0x7F;
    });
}

std::string newImagePath(const std::string& folder, const NewImageChoice& c) {
    std::optional<NewImageSpec> shape = newImageSpec(c);
    std::string file = c.newVolumeName + newImageExtension(shape ? shape->kind : ImageKind::TwoImg);
    if (folder.empty()) return file;
    char last = folder.back();
    return last == '/' || last == '\\' ? folder + file : folder + "/" + file;
}

} // namespace lk
