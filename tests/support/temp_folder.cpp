#include "temp_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace lk::test {

namespace fs = std::filesystem;

namespace {
std::atomic<int> folderCounter{0};
}

TempFolder::TempFolder() {
    fs::path dir = fs::temp_directory_path() / ("larkspoon-folder-" + std::to_string(::getpid()) +
                                                "-" + std::to_string(folderCounter++));
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
    std::string p = file(name);
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return p;
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
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
}

} // namespace lk::test
