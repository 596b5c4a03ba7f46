#include "temp_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "base/host_file.h"

namespace lk::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    fs::path dir = fs::temp_directory_path() / ("larkspoon-folder-" + std::to_string(::getpid()) +
                                                "-" + std::to_string(counter++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = dir.string();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
}

std::string TempFolder::file(const std::string& name) const {
    return (fs::path(path) / name).string();
}

std::string TempFolder::write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream(file(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return file(name);
}

std::string TempFolder::writeText(const std::string& name, const std::string& text) const {
    return write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string TempFolder::readText(const std::string& name) const {
    std::vector<uint8_t> bytes = readBytes(name);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> TempFolder::readBytes(const std::string& name) const {
    return readFileBytes(file(name));
}

bool TempFolder::exists(const std::string& name) const {
    return fs::exists(file(name));
}

std::vector<uint8_t> readFileBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    readWholeFile(path, bytes, 0);
    return bytes;
}

} // namespace lk::test
