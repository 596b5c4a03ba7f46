// ProDOS names and types as the Name and New Folder dialogs take them: the suggestion made from
// a host file's name, the rules a name must keep (with their messages), the test for a name
// already used in the place, and the reading of a typed file type and auxiliary type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "prodos/file_entry.h"

namespace lk {

inline constexpr size_t kMaxNameLength = 15;

// The name suggested for a host file: its first 15 characters, upper-cased; a first character
// below "A" (any non-ASCII one too) and every later one that is not an ASCII letter or digit
// become ".". "2nd file.bin" gives ".ND.FILE.BIN".
std::string suggestedName(std::string_view hostFileName);

// The type and auxiliary type preset for a host file by the end of its name: ".SHK" and ".SDK"
// LBR 8002, ".BXY" LBR 8000, ".PIC" BIN 2000, anything else TXT 0000.
struct TypeFields {
    std::string type;
    std::string aux;
};
TypeFields suggestedType(std::string_view hostFileName);

// Creating looks for the name in the place of the selection (the selected volume or folder, or
// the folder of the selected file); renaming among the selected node's siblings, its own name
// being allowed.
enum class NameMode { Create, Rename };

// 1 when the name is used there already (compared without regard to case, as ProDOS does), 0
// when not, -1 when nothing is selected (told: "No item selected!").
int nameExists(const CatalogTree& tree, std::string_view name, NameMode mode, Outcome& outcome);

// What the user typed in the Name dialog (the New Folder dialog has only the name and access).
struct NameFields {
    std::string name;
    std::string type; // "TXT", "$C1", ...
    std::string aux;  // hexadecimal
    uint8_t access = kDefaultAccess;
};

// The Name dialog's OK: the name upper-cased and checked (duplicate, length, first letter, the
// characters allowed), then the type and auxiliary type (not for the volume directory header),
// then the access, all into the working entry, which creating clears first. When renaming, a
// type left as it was shown keeps the entry's own type (so "TDM" of $21 and "PTP" stay as they
// are). False, with the first rule broken told, when the dialog would stay open.
bool acceptNameFields(const CatalogTree& tree, NameMode mode, const NameFields& fields,
                      FileEntry& working, Outcome& outcome);

// The New Folder dialog's OK: the name checked as above, then the working entry cleared and
// given the name, the access and type $0F.
bool acceptFolderName(const CatalogTree& tree, std::string_view name, uint8_t access,
                      FileEntry& working, Outcome& outcome);

// A typed type: "$" and hexadecimal, or a name of the type table (the first match wins, so
// "TDM" is $20). -1 when refused (told).
int parseFileType(std::string_view text, Outcome& outcome);
// A typed auxiliary type: its leading hexadecimal digits (at most four), 0 when there are none.
uint16_t parseAuxType(std::string_view text);

} // namespace lk
