#include <algorithm>
#include <cstdio>
#include <iostream>

#include "app/host_transfer.h"
#include "base/host_file.h"
#include "catalog/find_path.h"
#include "cli/cli.h"
#include "image/save_image.h"
#include "volume/open_image.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace lk::cli {

namespace {

bool listed(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// Options are --name, --name=value or --name value; anything else is a positional word.
bool parseArgs(const VerbSpec& verb, int argc, char** argv, Args& out, std::string& error) {
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        // A one-letter flag is written with one dash: -r.
        if (a.size() == 2 && a[0] == '-' && listed(verb.flags, a.substr(1))) {
            out.options.emplace_back(a.substr(1), "");
            continue;
        }
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
        if (listed(verb.withValue, name)) {
            if (eq == std::string::npos) {
                if (i + 1 >= argc) {
                    error = "--" + name + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
        } else if (!listed(verb.flags, name) || eq != std::string::npos) {
            error = "unknown option " + a;
            return false;
        }
        out.options.emplace_back(name, value);
    }
    return true;
}

} // namespace

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

std::vector<std::string> Args::values(const std::string& name) const {
    std::vector<std::string> found;
    for (const auto& o : options)
        if (o.first == name) found.push_back(o.second);
    return found;
}

void Session::report(const Outcome& outcome) {
    for (const Message& m : outcome.messages) std::cerr << messageText(m) << '\n';
    if (outcome.question)
        std::cerr << messageText(
                         message(MessageId::QuestionAnsweredNo, messageText(*outcome.question)))
                  << '\n';
    if (outcome.hasMessages() || outcome.question) problems = true;
}

std::optional<int> parseVerb(const VerbSpec& verb, int argc, char** argv, Session& s) {
    std::string error;
    if (!parseArgs(verb, argc, argv, s.args, error)) return usageError(error);
    size_t n = s.args.positional.size();
    if (n < verb.minWords || n > verb.maxWords)
        return usageError(std::string(verb.name) + " takes " + std::string(verb.words));
    return std::nullopt;
}

std::optional<int> startVerb(const VerbSpec& verb, int argc, char** argv, Session& s) {
    if (auto end = parseVerb(verb, argc, argv, s)) return end;
    return openVerbImage(s);
}

std::optional<int> openVerbImage(Session& s) {
    const std::string& path = s.args.positional[0];
    s.image.path = path;
    s.image.fileTitle = splitPath(path).fileName;
    Outcome outcome;
    s.opened = lk::openImage(s.image, s.tree, s.openOptions, outcome);
    s.report(outcome);
    if (s.image.bufferValid) return std::nullopt;
    // An FDI image that passes its check loads nothing and says nothing in the window.
    if (!s.problems) s.tell(MessageId::NoImageLoaded, s.image.fileTitle);
    return kUnreadable;
}

NodeId selectPath(Session& s, const std::string& path) {
    NodeId node = findNodeByPath(s.tree, path);
    if (node == kNoNode) {
        s.tell(MessageId::NoSuchPath, path);
        return kNoNode;
    }
    s.tree.select(node);
    return node;
}

std::optional<int> openForChange(Session& s) {
    if (auto end = openVerbImage(s)) return end;
    // File > Save is not offered for an image converted from nibbles either.
    if (isNibbleKind(s.image.kind))
        s.tell(MessageId::NibbleImageReadOnly, s.image.fileTitle);
    else if (s.image.isDos33)
        s.tell(MessageId::NotProdosVolume, s.image.fileTitle);
    else
        return std::nullopt;
    return kUnreadable;
}

NodeId selectPlace(Session& s, const std::string& path) {
    if (path == "/") {
        s.tree.select(s.tree.root());
        return s.tree.root();
    }
    return selectPath(s, path);
}

NodeId selectParent(Session& s, const std::string& path, std::string& name) {
    size_t slash = path.find_last_of('/');
    name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string parent = slash == std::string::npos ? "" : path.substr(0, slash);
    NodeId node = parent.empty() && slash == 0 ? s.tree.root() : findNodeByPath(s.tree, parent);
    const CatalogItem* item = s.tree.item(node);
    if (!item || isFile(item->kind)) {
        s.tell(MessageId::NoSuchPath, parent.empty() ? "/" : parent);
        return kNoNode;
    }
    s.tree.select(node);
    return node;
}

bool warnAndGoOn(Session& s, const Message& question) {
    std::cerr << messageText(question) << '\n';
    s.problems = true;
    return true;
}

int runChange(Session& s, const std::function<bool(const ChangeAnswers&, Outcome&)>& change) {
    Outcome outcome;
    bool done = withLongPathAnswer(
        [&](const Message& question) { return warnAndGoOn(s, question); }, outcome, change);
    s.report(outcome);
    return finishChange(s, done);
}

int finishChange(Session& s, bool changed) {
    if (!changed) {
        s.problems = true;
        return finish(s);
    }
    Outcome saved;
    saveImage(s.image, saved);
    s.report(saved);
    return finish(s);
}

int usageError(const std::string& message) {
    std::cerr << "larkspoon-cli: " << message
              << "\n(run larkspoon-cli without arguments for usage)\n";
    return kUsage;
}

bool writeStdout(Session& s, Bytes bytes) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // An empty file writes nothing: fwrite must not be handed the null pointer of no bytes.
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
        s.tell(MessageId::CouldNotWriteFile, "standard output");
        return false;
    }
    return true;
}

bool writeText(Session& s, std::string_view text) {
    return writeStdout(s, Bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

int finish(Session& s) {
    // A full disk shows only when the buffered output is flushed: that is a failure too.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        s.tell(MessageId::CouldNotWriteFile, "standard output");
        std::clearerr(stdout);
    }
    return s.exitStatus();
}

} // namespace lk::cli
