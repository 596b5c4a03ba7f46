// larkspoon-cli: what the verbs share. Each verb lives in a file of its own and does no more
// than read its arguments, call the commands' layer and print what it got.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/volume_changes.h"
#include "base/bytes.h"
#include "base/file_data.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "image/disk_image.h"
#include "translate/translator_choice.h"
#include "volume/open_image.h"

namespace lk::cli {

// The exit statuses: success; the image or file could not be read, has nothing to show or
// turned out damaged; a usage error (a number out of range included, and for `picture` an
// output file that cannot be written).
enum ExitCode { kOk = 0, kUnreadable = 1, kUsage = 2 };

// A verb's arguments and options: `withValue` take a value (--name VALUE or --name=VALUE),
// `flags` take none. The words left are positional.
struct VerbSpec {
    std::string_view name;
    std::vector<std::string> withValue;
    std::vector<std::string> flags;
    size_t minWords = 0;
    size_t maxWords = 0;
    std::string_view words; // "IMAGE PATH [OUT]", for the usage message
};

struct Args {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    bool has(const std::string& name) const;
    std::string value(const std::string& name, const std::string& fallback = "") const;
    // Every value given to a repeatable option, in order.
    std::vector<std::string> values(const std::string& name) const;
};

// Everything one verb works on, and what it has reported so far.
struct Session {
    DiskImage image;
    CatalogTree tree;
    FileDataBuffer file;
    Args args;
    OpenOptions openOptions; // the open's questions are answered No unless a verb says Yes
    OpenReport opened;       // what the open found besides the volume
    bool problems = false;   // a message was reported: the exit status is kUnreadable

    // Prints the outcome's messages on standard error (a question is answered No, since no one
    // is there to answer) and remembers whether there were any.
    void report(const Outcome& outcome);
    template <typename... A> void tell(MessageId id, A... values) {
        Outcome o;
        o.add(id, values...);
        report(o);
    }
    // kOk unless something was reported.
    int exitStatus() const { return problems ? kUnreadable : kOk; }
};

// Reads the verb's arguments into s.args. Nothing when the verb may go on; otherwise the exit
// status to end with (the user has been told why).
std::optional<int> parseVerb(const VerbSpec& verb, int argc, char** argv, Session& s);
// Opens the image named by the first word.
std::optional<int> openVerbImage(Session& s);
// Both, for the verbs that need nothing in between.
std::optional<int> startVerb(const VerbSpec& verb, int argc, char** argv, Session& s);
// The node of a path on the opened volume, selected; kNoNode (told) when there is none.
NodeId selectPath(Session& s, const std::string& path);

// Reads the file of `path` as View Apple file does, its resource fork with --rsrc; false (told)
// when there is no such file or nothing to show.
bool readViewedFile(Session& s, const std::string& path, ViewRequest& request);
// Opens the image for a change: refused (told) unless it holds a ProDOS volume in a sector image
// (one converted from nibbles cannot be written back).
std::optional<int> openForChange(Session& s);
// The node of a path, "/" standing for the volume, selected; kNoNode (told) when there is none.
NodeId selectPlace(Session& s, const std::string& path);
// The folder (or volume) that a path's last name goes into, selected, with that name; kNoNode
// (told) when it is not there.
NodeId selectParent(Session& s, const std::string& path, std::string& name);
// A question no one is there to answer with Yes: its text as a warning, and the command goes on.
bool warnAndGoOn(Session& s, const Message& question);
// A changing verb's end: the image saved once when the change was made, as File > Save saves
// it; the file left as it was when it failed.
int finishChange(Session& s, bool changed);
// Runs a change (asking about a long pathname as warnAndGoOn does), reports it and finishes.
int runChange(Session& s, const std::function<bool(const ChangeAnswers&, Outcome&)>& change);

int usageError(const std::string& message);
// Writes bytes to standard output; false (told) when they cannot all be written.
bool writeStdout(Session& s, Bytes bytes);
// A pane's text, byte for byte (no line feed is added).
bool writeText(Session& s, std::string_view text);
// The verb's last step: standard output flushed, and the exit status.
int finish(Session& s);

int runInfo(int argc, char** argv);
int runLs(int argc, char** argv);
int runGet(int argc, char** argv);
int runCatalog(int argc, char** argv);
int runExport(int argc, char** argv);
int runView(int argc, char** argv);
int runBlock(int argc, char** argv);
int runSector(int argc, char** argv);
int runBitmap(int argc, char** argv);
int runPicture(int argc, char** argv);
int runConvert(int argc, char** argv);
int runPut(int argc, char** argv);
int runMkdir(int argc, char** argv);
int runRm(int argc, char** argv);
int runRename(int argc, char** argv);
int runCp(int argc, char** argv);
int runCheck(int argc, char** argv);
int runNew(int argc, char** argv);
int runProps(int argc, char** argv);

} // namespace lk::cli
