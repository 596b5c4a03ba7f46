// The Name dialog (a file's ProDOS name, type, auxiliary type and access, when importing or
// renaming) and the New Folder dialog (a folder's name and access): what they show and what
// their OK hands to the command. The commands fill the fields and judge them; the shells only
// show the fields and forward.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/access_boxes.h"

namespace lk {

enum class NameDialogKind { Name, NewFolder };

// What the fields of the dialog hold: the name, the type and auxiliary type as typed (the New
// Folder dialog has neither), and the access bits of the check boxes.
struct NameDialogFields {
    std::string name;
    std::string type;
    std::string aux;
    uint8_t access = 0;
};

struct NameDialogState {
    NameDialogKind kind = NameDialogKind::Name;
    // Shown when the dialog opens; after OK, what the dialog closed with.
    NameDialogFields fields;
    // Renaming the volume: the type and auxiliary type are shown but cannot be edited.
    bool typeReadOnly = false;
    // OK: true closes the dialog. False leaves it open with the fields as typed; the reason
    // has been told.
    std::function<bool(const NameDialogFields&)> accept;
};

inline constexpr std::string_view kNameDialogTitle = "Name";
inline constexpr std::string_view kNewFolderDialogTitle = "New Folder";
inline constexpr std::string_view kFileNameLabel = "&File name:";
inline constexpr std::string_view kFolderNameLabel = "&Folder name:";
inline constexpr std::string_view kTypeLabel = "&Type:";
inline constexpr std::string_view kAuxTypeLabel = "&Aux type:";
inline constexpr std::string_view kAccessGroupLabel = "Access";

// The longest text each edit takes.
inline constexpr int kNameMaxChars = 15;
inline constexpr int kTypeMaxChars = 3;
inline constexpr int kAuxMaxChars = 4;

// The user guide's page for these dialogs, and the topic of each of their controls.
inline constexpr std::string_view kNameHelpPage = "apple-files.html";
inline constexpr std::string_view kFileNameTopic = "name";
inline constexpr std::string_view kFolderNameTopic = "folder-name";
inline constexpr std::string_view kTypeTopic = "type";
inline constexpr std::string_view kAuxTypeTopic = "aux-type";

} // namespace lk
