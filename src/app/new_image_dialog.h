// File > New: the rules of its dialog over plain control states (the window's dialog shows them,
// the tests drive them), the image a choice stands for, and the command.
#pragma once

#include <optional>
#include <string>

#include "image/new_image.h"
#include "platform/new_image_choice.h"

namespace lk {

// The New dialog's controls: which radios and boxes are checked and which are enabled.
struct NewDialogState {
    bool twoImg = false; // the type radios
    bool dsk = false;
    bool po = false;
    bool prodos = false; // the order radios
    bool dos = false;
    bool writeProtect = false;
    bool dosEnabled = false;
    bool writeProtectEnabled = false;
    bool sizeListEnabled = false;
    int sizeIndex = 1;
    std::string volumeName;
};

enum class NewDialogRadio : uint8_t { TwoImg, Dsk, Po, Prodos, Dos };

// The controls as the dialog opens on the choice made last time. A DSK image is a 5.25-inch
// floppy in either order; 2IMG and PO images are in ProDOS order, of any listed size; only a
// 2IMG carries the write-protect flag.
NewDialogState openNewDialog(const NewImageChoice& choice);
void clickNewDialog(NewDialogState& state, NewDialogRadio radio);
void chooseNewImageSize(NewDialogState& state, int index);
// OK: the choice the controls stand for (the name cut to 15 characters and upper-cased).
NewImageChoice acceptNewDialog(const NewDialogState& state);

// The image a choice stands for (the write-protect flag counts for a 2IMG only); nothing for a
// choice the dialog cannot make: an unknown type, size or order, a DSK of another size than
// 143Kb, DOS order for another type.
std::optional<NewImageSpec> newImageSpec(const NewImageChoice& choice);

// Whether a volume name can name the new file in its folder: no folder separators, no "." or
// "..", no control characters.
bool usableAsFileName(const std::string& name);

// The path of the new image: the volume name and the type's extension, in `folder`.
std::string newImagePath(const std::string& folder, const NewImageChoice& choice);

} // namespace lk
