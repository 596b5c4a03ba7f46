#include "prodos/names.h"

#include <algorithm>
#include <cctype>

#include "prodos/file_types.h"

namespace lk {

namespace {

constexpr size_t kTypeLength = 3;
constexpr size_t kAuxLength = 4;

std::string upper(std::string_view text) {
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

bool asciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool asciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length in bytes of the UTF-8 character that starts with this byte (1 for a stray byte).
size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

uint32_t leadingHex(std::string_view text, size_t maxDigits) {
    uint32_t value = 0;
    for (size_t i = 0; i < text.size() && i < maxDigits; ++i) {
        char c = char(std::toupper((unsigned char)text[i]));
        if (!asciiDigit(c) && (c < 'A' || c > 'F')) break;
        value = value * 16 + uint32_t(asciiDigit(c) ? c - '0' : c - 'A' + 10);
    }
    return value;
}

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiUpper(x) == asciiUpper(y); });
}

bool usedAmong(const CatalogTree& tree, NodeId first, NodeId skip, std::string_view name) {
    for (NodeId n = first; n != kNoNode; n = tree.nextSibling(n))
        if (n != skip && sameName(tree.item(n)->text, name)) return true;
    return false;
}

// The rules of a ProDOS name, each with its message, in the order the dialogs test them.
bool nameKeepsRules(const CatalogTree& tree, const std::string& name, NameMode mode,
                    Outcome& outcome) {
    if (nameExists(tree, name, mode, outcome) != 0) {
        outcome.add(MessageId::DuplicateName);
        return false;
    }
    if (name.empty() || name.size() > kMaxNameLength) {
        outcome.add(MessageId::NameLength);
        return false;
    }
    if (!asciiLetter(name[0])) {
        outcome.add(MessageId::NameFirstLetter);
        return false;
    }
    bool allowed = std::all_of(name.begin() + 1, name.end(),
                               [](char c) { return asciiLetter(c) || asciiDigit(c) || c == '.'; });
    if (!allowed) outcome.add(MessageId::NameCharacters);
    return allowed;
}

// The storage type stays; the name length and the first bytes of the name are the new name's.
void setName(FileEntry& working, const std::string& name) {
    working.storageTypeNameLength =
        uint8_t((working.storageTypeNameLength & 0xF0) | (name.size() & 0x0F));
    std::copy(name.begin(), name.end(), working.name.begin());
}

} // namespace

std::string suggestedName(std::string_view hostFileName) {
    std::string name;
    size_t characters = 0;
    for (size_t i = 0; i < hostFileName.size() && characters < kMaxNameLength; ++characters) {
        size_t n = utf8Length((unsigned char)hostFileName[i]);
        char c = n == 1 ? char(std::toupper((unsigned char)hostFileName[i])) : '.';
        bool first = characters == 0;
        if (first && (c < 'A' || (c & 0x80))) c = '.';
        if (!first && !asciiLetter(c) && !asciiDigit(c)) c = '.';
        name += c;
        i += n;
    }
    return name;
}

TypeFields suggestedType(std::string_view hostFileName) {
    std::string end =
        upper(hostFileName.substr(hostFileName.size() - std::min<size_t>(4, hostFileName.size())));
    if (end == ".SHK" || end == ".SDK") return {"LBR", "8002"};
    if (end == ".BXY") return {"LBR", "8000"};
    if (end == ".PIC") return {"BIN", "2000"};
    return {"TXT", "0000"};
}

int nameExists(const CatalogTree& tree, std::string_view name, NameMode mode, Outcome& outcome) {
    NodeId selected = tree.selection();
    const CatalogItem* item = tree.item(selected);
    if (!item) {
        outcome.add(MessageId::NoItemSelected);
        return -1;
    }
    if (mode == NameMode::Rename) {
        if (sameName(item->text, name)) return 0;
        NodeId parent = tree.parent(selected);
        NodeId first = parent == kNoNode ? tree.root() : tree.firstChild(parent);
        return usedAmong(tree, first, selected, name) ? 1 : 0;
    }
    NodeId place = canHaveChildren(item->kind) ? selected : tree.parent(selected);
    return usedAmong(tree, tree.firstChild(place), kNoNode, name) ? 1 : 0;
}

int parseFileType(std::string_view text, Outcome& outcome) {
    std::string typed = upper(text);
    if (typed.size() != kTypeLength) {
        outcome.add(MessageId::TypeLength);
        return -1;
    }
    if (typed[0] == '$') return int(leadingHex(std::string_view(typed).substr(1), 2));
    int type = fileTypeByName(typed);
    if (type < 0) outcome.add(MessageId::TypeUnknown);
    return type;
}

uint16_t parseAuxType(std::string_view text) {
    return uint16_t(leadingHex(text, kAuxLength));
}

bool acceptNameFields(const CatalogTree& tree, NameMode mode, const NameFields& fields,
                      FileEntry& working, Outcome& outcome) {
    if (mode == NameMode::Create) clearEntry(working);
    std::string name = upper(fields.name);
    if (!nameKeepsRules(tree, name, mode, outcome)) return false;
    bool volume = working.storageType() == kStorageVolumeHeader;
    if (!volume) {
        bool typeAsShown = mode == NameMode::Rename &&
                           upper(fields.type) == typeText(working.fileType, working.auxType);
        int type = typeAsShown ? working.fileType : parseFileType(fields.type, outcome);
        if (type < 0) return false;
        working.fileType = uint8_t(type);
        working.auxType = parseAuxType(fields.aux);
    }
    setName(working, name);
    working.access = fields.access;
    return true;
}

bool acceptFolderName(const CatalogTree& tree, std::string_view name, uint8_t access,
                      FileEntry& working, Outcome& outcome) {
    std::string typed = upper(name);
    if (!nameKeepsRules(tree, typed, NameMode::Create, outcome)) return false;
    clearEntry(working);
    setName(working, typed);
    working.access = access;
    working.fileType = 0x0F;
    return true;
}

} // namespace lk
