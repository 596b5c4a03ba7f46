#include "base/host_file.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

namespace lk {

namespace fs = std::filesystem;

fs::path hostPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Path(const fs::path& path) {
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

HostRead readWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t spare,
                       uint64_t maxSize) {
    out.clear();
    std::error_code ec;
    fs::path p = hostPath(path);
    // The size of anything but a regular file (a folder) is an error, or fails the read below.
    uint64_t size = fs::file_size(p, ec);
    if (ec) return HostRead::Unreadable;
    if (size > maxSize) return HostRead::TooLarge;
    std::ifstream in(p, std::ios::binary);
    if (!in) return HostRead::Unreadable;
    try {
        out.assign(size_t(size) + spare, 0);
    } catch (const std::bad_alloc&) {
        out.clear();
        return HostRead::Unreadable;
    }
    in.read(reinterpret_cast<char*>(out.data()), std::streamsize(size));
    if (uint64_t(in.gcount()) != size) {
        out.clear();
        return HostRead::Unreadable;
    }
    return HostRead::Done;
}

std::vector<uint8_t> readFileStart(const std::string& path, size_t count) {
    std::vector<uint8_t> out(count, 0);
    std::ifstream in(hostPath(path), std::ios::binary);
    if (!in) return {};
    in.read(reinterpret_cast<char*>(out.data()), std::streamsize(count));
    out.resize(size_t(in.gcount()));
    return out;
}

bool writeFileReplacing(const std::string& path, Bytes bytes) {
    fs::path target = hostPath(path);
    fs::path temp = target;
    std::random_device rd;
    temp += ".lk" + std::to_string(rd() % 1000000) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool writeNewFile(const std::string& path, Bytes bytes) {
    fs::path target = hostPath(path);
#ifdef _WIN32
    std::FILE* f = _wfopen(target.c_str(), L"wbx");
#else
    std::FILE* f = std::fopen(target.c_str(), "wbx");
#endif
    std::error_code ec;
    if (!f) return fs::exists(target, ec) && writeFileReplacing(path, bytes);
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    written = std::fclose(f) == 0 && written;
    if (!written) fs::remove(target, ec);
    return written;
}

PathParts splitPath(const std::string& path) {
    PathParts parts;
    size_t slash = path.find_last_of("/\\");
    parts.folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    parts.fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = parts.fileName.rfind('.');
    if (dot == std::string::npos) {
        parts.baseName = parts.fileName;
    } else {
        parts.baseName = parts.fileName.substr(0, dot);
        parts.extension = parts.fileName.substr(dot);
    }
    return parts;
}

} // namespace lk
