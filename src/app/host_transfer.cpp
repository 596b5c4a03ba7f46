#include "app/host_transfer.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <map>

#include "app/export_file.h"
#include "base/format.h"
#include "base/host_file.h"
#include "catalog/find_path.h"
#include "volume/volume.h"

namespace lk {

namespace {

namespace fs = std::filesystem;

constexpr size_t kSuffixLength = 7; // "#TTAAAA"

bool allHex(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isxdigit(c); });
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

// --- extraction ---

struct Extractor {
    const DiskImage& image;
    const CatalogTree& tree;
    Outcome& outcome;
    bool ok = true;

    void fail(MessageId id, const std::string& what) {
        outcome.add(id, what);
        ok = false;
    }

    void writeFork(const CatalogItem& item, Fork fork, const fs::path& path, NodeId node) {
        FileDataBuffer data;
        Outcome read;
        int32_t n = volumeOf(image).readFile(image, item, fork, data, read);
        outcome.append(std::move(read));
        if (n < 0) return fail(MessageId::CannotReadAsFile, nodePath(tree, node));
        if (!writeNewFile(utf8Path(path), data.bytes()))
            fail(MessageId::CouldNotWriteFile, utf8Path(path));
    }

    void file(NodeId node, const fs::path& folder) {
        const CatalogItem& item = *tree.item(node);
        const Volume& volume = volumeOf(image);
        TranslationType t = volume.translationType(image, item);
        std::string name = hostFileName(image, item);
        writeFork(item, Fork::Data,
                  folder / hostPath(typedHostName(name, t.fileType, t.auxType, false)), node);
        if (volume.hasResourceFork(image, item))
            writeFork(item, Fork::Resource,
                      folder / hostPath(typedHostName(name, t.fileType, t.auxType, true)), node);
    }

    void contents(NodeId node, const fs::path& folder) {
        for (NodeId c = tree.firstChild(node); c != kNoNode; c = tree.nextSibling(c))
            this->node(c, folder);
    }

    void node(NodeId node, const fs::path& folder) {
        const CatalogItem& item = *tree.item(node);
        if (isFile(item.kind)) return file(node, folder);
        fs::path inner = folder / hostPath(hostFileName(image, item));
        std::error_code ec;
        fs::create_directory(inner, ec);
        if (!fs::is_directory(inner, ec))
            return fail(MessageId::CouldNotMakeFolder, utf8Path(inner));
        contents(node, inner);
    }
};

// --- import ---

struct HostFile {
    fs::path data;     // empty for a resource fork without its data fork
    fs::path resource; // empty for a file without a resource fork
};

// Host files with their resource forks paired, and host folders, each list in name order. (A
// folder's listing already knows which entries are folders.)
void sortPaths(const std::vector<fs::directory_entry>& paths, std::vector<HostFile>& files,
               std::vector<fs::path>& folders) {
    std::map<std::string, HostFile> byData;
    for (const fs::directory_entry& entry : paths) {
        std::error_code ec;
        const fs::path& p = entry.path();
        if (entry.is_directory(ec)) {
            folders.push_back(p);
            continue;
        }
        std::string text = utf8Path(p);
        if (parseHostName(utf8Path(p.filename())).resourceFork)
            byData[text.substr(0, text.size() - 1)].resource = p;
        else
            byData[text].data = p;
    }
    for (auto& [name, file] : byData) files.push_back(file);
    std::sort(folders.begin(), folders.end());
}

struct Importer {
    DiskImage& image;
    CatalogTree& tree;
    const HostImportOptions& options;
    const Asker& ask;
    Outcome& outcome;

    NameFields fields(const HostName& host, const std::string& fileName,
                      const std::optional<std::string>& asName) const {
        NameFields f;
        f.name = asName ? *asName : suggestedName(host.typed ? host.name : fileName);
        TypeFields suggested = suggestedType(fileName);
        f.type = host.typed ? format("$%02X", unsigned(host.type)) : suggested.type;
        f.aux = host.typed ? format("%04X", unsigned(host.aux)) : suggested.aux;
        if (options.type) f.type = *options.type;
        if (options.aux) f.aux = *options.aux;
        f.access = options.access;
        return f;
    }

    bool file(NodeId folder, const HostFile& host, const std::optional<std::string>& asName) {
        const fs::path& named = host.data.empty() ? host.resource : host.data;
        std::string fileName = utf8Path(named.filename());
        TransferBuffer transfer;
        std::vector<uint8_t> fork;
        if (!host.data.empty()) {
            readHostFile(utf8Path(host.data), transfer);
            if (transfer.bytes.empty()) return unreadable(host.data);
        } else {
            readHostFile(utf8Path(host.resource), transfer); // for its dates
            transfer.release();
            transfer.bytes.assign(4, 0);
        }
        if (!host.resource.empty() &&
            readWholeFile(utf8Path(host.resource), fork, 0) != HostRead::Done)
            return unreadable(host.resource);
        ImportRequest request{fields(parseHostName(fileName), fileName, asName), &transfer,
                              !host.resource.empty(), Bytes(fork.data(), fork.size())};
        tree.select(folder);
        FileEntry working;
        return withLongPathAnswer(ask, outcome, [&](const ChangeAnswers& a, Outcome& o) {
            return importFile(image, tree, working, request, a, o);
        });
    }

    bool unreadable(const fs::path& path) {
        outcome.add(MessageId::CouldNotRead, utf8Path(path));
        return false;
    }

    bool folder(NodeId parent, const fs::path& dir, const std::optional<std::string>& asName) {
        std::string name = asName ? *asName : suggestedName(utf8Path(dir.filename()));
        tree.select(parent);
        LocalDateTime now = localDateTime(std::time(nullptr));
        bool made = withLongPathAnswer(ask, outcome, [&](const ChangeAnswers& a, Outcome& o) {
            return newFolder(image, tree, name, options.access, now, a, o);
        });
        if (!made) return false;
        NodeId inner = kNoNode;
        for (NodeId c = tree.firstChild(parent); c != kNoNode && inner == kNoNode;
             c = tree.nextSibling(c))
            if (tree.item(c)->text == upper(name)) inner = c;
        std::vector<fs::directory_entry> paths;
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
            paths.push_back(*it);
        if (ec) {
            outcome.add(MessageId::HostFolderUnreadable, utf8Path(dir));
            return false;
        }
        return into(inner, paths, std::nullopt);
    }

    bool into(NodeId parent, const std::vector<fs::directory_entry>& paths,
              const std::optional<std::string>& asName) {
        std::vector<HostFile> files;
        std::vector<fs::path> folders;
        sortPaths(paths, files, folders);
        for (const HostFile& f : files)
            if (!file(parent, f, asName)) return false;
        for (const fs::path& d : folders) {
            if (!options.recursive) {
                outcome.add(MessageId::FolderNeedsRecursive, utf8Path(d));
                return false;
            }
            if (!folder(parent, d, asName)) return false;
        }
        return true;
    }
};

} // namespace

HostName parseHostName(std::string_view fileName) {
    HostName h;
    h.name = std::string(fileName);
    std::string_view s = fileName;
    bool resource = !s.empty() && s.back() == 'r';
    if (resource) s.remove_suffix(1);
    if (s.size() <= kSuffixLength || s[s.size() - kSuffixLength] != '#' ||
        !allHex(s.substr(s.size() - kSuffixLength + 1)))
        return h;
    std::string_view hex = s.substr(s.size() - kSuffixLength + 1);
    h.name = std::string(s.substr(0, s.size() - kSuffixLength));
    h.typed = true;
    h.type = uint8_t(std::stoul(std::string(hex.substr(0, 2)), nullptr, 16));
    h.aux = uint16_t(std::stoul(std::string(hex.substr(2)), nullptr, 16));
    h.resourceFork = resource;
    return h;
}

std::string typedHostName(std::string_view name, uint8_t type, uint16_t aux, bool resourceFork) {
    return std::string(name) + format("#%02X%04X", unsigned(type), unsigned(aux)) +
           (resourceFork ? "r" : "");
}

bool extractNode(const DiskImage& image, const CatalogTree& tree, NodeId node,
                 const std::string& hostFolder, bool contentsOnly, Outcome& outcome) {
    Extractor x{image, tree, outcome};
    if (contentsOnly && !isFile(tree.item(node)->kind))
        x.contents(node, hostPath(hostFolder));
    else
        x.node(node, hostPath(hostFolder));
    return x.ok;
}

bool importHostPaths(DiskImage& image, CatalogTree& tree, NodeId folder,
                     const std::vector<std::string>& hostPaths, const HostImportOptions& options,
                     const Asker& ask, Outcome& outcome) {
    std::vector<fs::directory_entry> paths;
    for (const std::string& p : hostPaths) {
        fs::path path = hostPath(p);
        if (path.filename().empty()) path = path.parent_path(); // "folder/" names "folder"
        std::error_code ec;
        paths.emplace_back(path, ec);
    }
    Importer importer{image, tree, options, ask, outcome};
    bool done = importer.into(folder, paths, options.asName);
    tree.select(folder);
    return done;
}

bool withLongPathAnswer(const Asker& ask, Outcome& outcome,
                        const std::function<bool(const ChangeAnswers&, Outcome&)>& change) {
    Outcome first;
    bool done = change(ChangeAnswers{}, first);
    std::optional<Message> question = std::move(first.question);
    first.question.reset();
    outcome.append(std::move(first));
    if (!question) return done;
    if (!ask(*question)) return false;
    return change(ChangeAnswers{true}, outcome);
}

} // namespace lk
