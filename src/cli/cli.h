// larkspoon-cli: shared pieces of the verbs. Each verb lives in a file of its own.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "image/disk_image.h"
#include "platform/platform.h"
#include "prodos/catalog_tree.h"
#include "prodos/file_data.h"

namespace lk::cli {

enum ExitCode { kOk = 0, kUnreadable = 1, kUsage = 2 };

// Messages go to standard error; questions are answered No, since no one is there to answer.
class ConsolePlatform : public Platform {
  public:
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void beep() override {}
    void setWaitCursor(bool) override {}
    int messages = 0;
};

// Everything one command works on.
struct Session {
    ConsolePlatform platform;
    DiskImage image;
    CatalogTree tree;
    FileDataBuffer file;
};

// Opens the image named on the command line; false (told) when it cannot be opened.
bool openForCli(Session& s, const std::string& path);
// The node of a path on the opened volume, selected; kNoNode (told) when there is none.
NodeId findPathForCli(Session& s, const std::string& path);

// Arguments after the verb, split into options (--name or --name=value, or --name value for
// the names listed in `withValue`) and positional words.
struct Args {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    bool has(const std::string& name) const;
    std::string value(const std::string& name, const std::string& fallback = "") const;
};
bool parseArgs(int argc, char** argv, const std::vector<std::string>& withValue,
               const std::vector<std::string>& flags, Args& out, std::string& error);

int usageError(const std::string& message);
void writeStdout(Bytes bytes);
// A pane's text, byte for byte (no line feed is added).
void writeText(const std::string& text);
std::string jsonString(std::string_view text);

int runInfo(int argc, char** argv);
int runLs(int argc, char** argv);
int runGet(int argc, char** argv);
int runCatalog(int argc, char** argv);
int runExport(int argc, char** argv);
int runView(int argc, char** argv);
int runBlock(int argc, char** argv);
int runSector(int argc, char** argv);
int runBitmap(int argc, char** argv);

} // namespace lk::cli
