// A scratch folder of its own for a test, removed with everything in it afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lk::test {

struct TempFolder {
    std::string path;
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of a file in the folder, optionally written with the bytes.
    std::string file(const std::string& name) const;
    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::string writeText(const std::string& name, const std::string& text) const;
    std::string readText(const std::string& name) const;
    std::vector<uint8_t> readBytes(const std::string& name) const;
    bool exists(const std::string& name) const;
};

// The bytes of a host file; none when it cannot be read.
std::vector<uint8_t> readFileBytes(const std::string& path);

} // namespace lk::test
