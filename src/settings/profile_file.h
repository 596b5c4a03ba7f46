// Windows profile (INI) files, read and written the way the settings file has always been:
// sections and keys match without regard to case, a missing key gives the caller's default,
// and a write changes one key's line (or adds the key, or its section) leaving every other
// line of the file exactly as it was.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lk {

class ProfileFile {
  public:
    // An empty profile: nothing is read until load().
    ProfileFile() = default;
    explicit ProfileFile(std::string path);

    // Reads the file; false (and an empty profile) when it does not exist or cannot be read.
    bool load();
    // Writes the lines back through a temporary file; false when the file cannot be written,
    // in which case the file on disk keeps its old contents.
    bool save() const;

    // The value of the first matching key of the first matching section, with surrounding
    // blanks and one pair of enclosing quotes removed; `fallback` when there is none.
    std::string get(std::string_view section, std::string_view key,
                    std::string_view fallback) const;
    bool has(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or adds the key at the end of its section, or adds the
    // section at the end of the file.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text as it would be saved.
    std::string text() const;
    const std::string& path() const { return path_; }

  private:
    struct Found {
        size_t sectionLine = npos;
        size_t keyLine = npos;
        size_t lastKeyLine = npos; // the section's last non-blank line
    };
    static constexpr size_t npos = size_t(-1);
    Found find(std::string_view section, std::string_view key) const;
    // A line is about to follow the last one, which may lack its line end.
    void terminateLastLine();

    std::string path_;
    std::vector<std::string> lines_; // without their line ends
    std::string lineEnd_ = "\n";
    bool endsWithNewline_ = true;
};

} // namespace lk
