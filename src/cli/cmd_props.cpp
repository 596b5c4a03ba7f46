// larkspoon-cli props [--json] IMAGE PATH: the General and Advanced pages of the Properties sheet
// for a file, a folder or the volume ("/"), one "Label: value" line each, or one JSON object.
#include <nlohmann/json.hpp>

#include "app/properties.h"
#include "cli/cli.h"

namespace lk::cli {

int runProps(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"props", {}, {"json"}, 2, 2, "IMAGE PATH"}, argc, argv, s))
        return *end;
    if (selectPlace(s, s.args.positional[1]) == kNoNode) return finish(s);
    GeneralPage general = generalPage(s.image, s.tree);
    AdvancedPage advanced = advancedPage(s.image, s.tree);
    std::string access = accessText(general.access);
    nlohmann::ordered_json json;
    std::string text;
    auto add = [&](std::string_view label, std::string_view key, const std::string& value) {
        json[std::string(key)] = value;
        text += std::string(label) + ": " + value + "\n";
    };
    for (const auto& f : kGeneralFields) add(f.label, f.key, general.*f.text);
    add("Access", "access", access);
    for (const auto& f : kAdvancedFields) add(f.label, f.key, advanced.*f.text);
    writeText(s, s.args.has("json") ? json.dump(-1, ' ', true) + "\n" : text);
    return finish(s);
}

} // namespace lk::cli
