#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cli/cli.h"
#include "image/host_file.h"
#include "image/open_image.h"
#include "prodos/find_path.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace lk::cli {

void ConsolePlatform::showMessage(std::string_view text, std::string_view, MessageIcon) {
    ++messages;
    std::cerr << text << '\n';
}

bool ConsolePlatform::askYesNo(std::string_view text, std::string_view, MessageIcon) {
    ++messages;
    std::cerr << text << " (answered No)\n";
    return false;
}

bool openForCli(Session& s, const std::string& path) {
    s.image.path = path;
    s.image.fileTitle = splitPath(path).fileName;
    openImage(s.image, s.tree, s.platform);
    return s.image.bufferValid;
}

NodeId findPathForCli(Session& s, const std::string& path) {
    NodeId node = findNodeByPath(s.tree, path);
    if (node == kNoNode) {
        std::cerr << "No file " << path << " on this volume.\n";
        return kNoNode;
    }
    s.tree.select(node);
    return node;
}

bool Args::has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(),
                       [&](const auto& o) { return o.first == name; });
}

std::string Args::value(const std::string& name, const std::string& fallback) const {
    for (const auto& o : options) {
        if (o.first == name) return o.second;
    }
    return fallback;
}

bool parseArgs(int argc, char** argv, const std::vector<std::string>& withValue,
               const std::vector<std::string>& flags, Args& out, std::string& error) {
    auto known = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        if (a.size() < 3 || a.rfind("--", 0) != 0) {
            out.positional.push_back(a);
            continue;
        }
        std::string name = a.substr(2), value;
        size_t eq = name.find('=');
        if (eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (known(withValue, name)) {
            if (eq == std::string::npos) {
                if (i + 1 >= argc) {
                    error = "--" + name + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
        } else if (!known(flags, name) || eq != std::string::npos) {
            error = "unknown option " + a;
            return false;
        }
        out.options.emplace_back(name, value);
    }
    return true;
}

int usageError(const std::string& message) {
    std::cerr << "larkspoon-cli: " << message
              << "\n(run larkspoon-cli without arguments for usage)\n";
    return kUsage;
}

void writeStdout(Bytes bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void writeText(const std::string& text) {
    writeStdout(Bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c >= 0x7F) {
            // Disk names are bytes: shown as the Latin-1 characters they would display as.
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\u%04x", c);
            out += hex;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

} // namespace lk::cli
