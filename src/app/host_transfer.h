// Whole folders between a ProDOS volume and the host. On the host a file carries its ProDOS type
// and auxiliary type at the end of its name, "NAME#TTAAAA" in hexadecimal, and an extended
// file's resource fork lies beside it as "NAME#TTAAAAr": the convention other Apple II tools use,
// so that a folder taken off a volume goes back on with the same files.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/volume_changes.h"

namespace lk {

// A host file's name read for its attribute suffix.
struct HostName {
    std::string name; // without the suffix
    bool typed = false;
    uint8_t type = 0;
    uint16_t aux = 0;
    bool resourceFork = false;
};
HostName parseHostName(std::string_view fileName);
// "NAME#TTAAAA", with "r" after it for the resource fork.
std::string typedHostName(std::string_view name, uint8_t type, uint16_t aux, bool resourceFork);

// Writes the node into the host folder: a file as NAME#TTAAAA (and its resource fork beside it),
// a folder or the volume as a host folder of its name holding everything below it.
// `contentsOnly` writes what the folder or volume holds straight into the host folder. False
// when something could not be read or written (told; the rest is still written).
bool extractNode(const DiskImage& image, const CatalogTree& tree, NodeId node,
                 const std::string& hostFolder, bool contentsOnly, Outcome& outcome);

// Answers a question an import asks on the way (true for Yes).
using Asker = std::function<bool(const Message& question)>;

struct HostImportOptions {
    std::optional<std::string> type; // a type for every file, as the Name dialog reads it
    std::optional<std::string> aux;
    uint8_t access = kDefaultAccess;
    bool recursive = false; // host folders become folders, with everything in them
    // The ProDOS name of the one host file or folder imported, instead of one made from its
    // host name.
    std::optional<std::string> asName;
};

// Imports the host files (and, recursively, folders) into the folder or volume of `folder`.
// Names, types and auxiliary types come from the options, else from the attribute suffix, else
// as the Name dialog suggests them; a file "#TTAAAAr" is the resource fork of the file named
// like it without the "r". The first failure stops the import (told); what was imported before
// it stays in memory. The tree's selection is left on `folder`.
bool importHostPaths(DiskImage& image, CatalogTree& tree, NodeId folder,
                     const std::vector<std::string>& hostPaths, const HostImportOptions& options,
                     const Asker& ask, Outcome& outcome);

// Runs a change that may ask about a long pathname: once, and again confirmed when the asker
// says Yes.
bool withLongPathAnswer(const Asker& ask, Outcome& outcome,
                        const std::function<bool(const ChangeAnswers&, Outcome&)>& change);

} // namespace lk
