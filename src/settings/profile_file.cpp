#include "settings/profile_file.h"

#include "base/host_file.h"
#include "settings/setting_keys.h"

namespace lk {

namespace {

// A settings file is a few kilobytes; anything this large is not one.
constexpr uint64_t kMaxProfileSize = 16u << 20;

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// "[Name]" -> "Name"; false for any other line.
bool sectionName(std::string_view line, std::string_view& name) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return false;
    line.remove_prefix(1);
    size_t close = line.find(']');
    name = trim(close == std::string_view::npos ? line : line.substr(0, close));
    return true;
}

// "Key = value" -> "Key" and "value"; false for comments and lines without "=".
bool keyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = trim(line);
    if (t.empty() || t.front() == ';') return false;
    size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return true;
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

} // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

bool ProfileFile::load() {
    lines_.clear();
    lineEnd_ = "\n";
    endsWithNewline_ = true;
    std::vector<uint8_t> bytes;
    if (readWholeFile(path_, bytes, 0, kMaxProfileSize) != HostRead::Done) return false;
    std::string all(bytes.begin(), bytes.end());
    if (all.find("\r\n") != std::string::npos) lineEnd_ = "\r\n";
    size_t start = 0;
    while (start < all.size()) {
        size_t nl = all.find('\n', start);
        if (nl == std::string::npos) {
            lines_.push_back(all.substr(start));
            endsWithNewline_ = false;
            break;
        }
        lines_.push_back(all.substr(start, nl - start));
        start = nl + 1;
    }
    return true;
}

std::string ProfileFile::text() const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || endsWithNewline_) out += '\n';
    }
    return out;
}

bool ProfileFile::save() const {
    std::string all = text();
    return writeFileReplacing(path_,
                              Bytes(reinterpret_cast<const uint8_t*>(all.data()), all.size()));
}

ProfileFile::Found ProfileFile::find(std::string_view section, std::string_view key) const {
    Found f;
    bool inside = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (sectionName(lines_[i], name)) {
            // Only the first section of a name counts, as in every profile reader.
            if (inside) break;
            if (f.sectionLine == npos && sameKeyName(name, section)) {
                f.sectionLine = f.lastKeyLine = i;
                inside = true;
            }
            continue;
        }
        if (!inside) continue;
        if (!trim(lines_[i]).empty()) f.lastKeyLine = i;
        std::string_view k, v;
        if (f.keyLine == npos && keyAndValue(lines_[i], k, v) && sameKeyName(k, key)) f.keyLine = i;
    }
    return f;
}

std::string ProfileFile::get(std::string_view section, std::string_view key,
                             std::string_view fallback) const {
    Found f = find(section, key);
    if (f.keyLine == npos) return std::string(fallback);
    std::string_view k, v;
    keyAndValue(lines_[f.keyLine], k, v);
    return unquoted(v);
}

bool ProfileFile::has(std::string_view section, std::string_view key) const {
    return find(section, key).keyLine != npos;
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
    // New lines follow the file's own line ends.
    std::string cr = lineEnd_ == "\r\n" ? "\r" : "";
    std::string line = std::string(key) + "=" + std::string(value);
    Found f = find(section, key);
    if (f.keyLine != npos) {
        bool hadCr = !lines_[f.keyLine].empty() && lines_[f.keyLine].back() == '\r';
        lines_[f.keyLine] = line + (hadCr ? "\r" : "");
        return;
    }
    if (f.sectionLine != npos) {
        if (f.lastKeyLine + 1 == lines_.size()) terminateLastLine();
        lines_.insert(lines_.begin() + std::ptrdiff_t(f.lastKeyLine + 1), line + cr);
        return;
    }
    terminateLastLine();
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.push_back(cr);
    lines_.push_back("[" + std::string(section) + "]" + cr);
    lines_.push_back(line + cr);
}

void ProfileFile::terminateLastLine() {
    if (endsWithNewline_) return;
    if (!lines_.empty() && lineEnd_ == "\r\n") lines_.back() += '\r';
    endsWithNewline_ = true;
}

} // namespace lk
