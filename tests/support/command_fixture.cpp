#include "command_fixture.h"

#include <algorithm>
#include <cctype>

#include "dos33_builder.h"
#include "open_helpers.h"

namespace lk::test {

std::optional<TextRange> StringPane::find(std::string_view what, int64_t from, bool matchCase) {
    auto same = [matchCase](char a, char b) {
        return matchCase ? a == b
                         : std::tolower((unsigned char)a) == std::tolower((unsigned char)b);
    };
    if (from < 0 || size_t(from) > text.size()) return std::nullopt;
    auto at = std::search(text.begin() + from, text.end(), what.begin(), what.end(), same);
    if (at == text.end()) return std::nullopt;
    int64_t start = at - text.begin();
    return TextRange{start, start + int64_t(what.size())};
}

void StringPane::replaceSelection(std::string_view with) {
    text.replace(size_t(range.start), size_t(range.end - range.start), with);
    range.start = range.end = range.start + int64_t(with.size());
}

void CommandTest::open(const std::vector<uint8_t>& bytes, const std::string& name) {
    openImageAndShow(ctx, {folder.write(name, bytes), name});
    ASSERT_TRUE(app.image.bufferValid) << name;
    app.shell.exportFolder = folder.path;
}

void CommandTest::select(const std::vector<std::string>& names) {
    NodeId node = app.tree.root();
    for (const std::string& n : names)
        node = childWithText(app.tree, node, app.image.isDos33 ? paddedDosName(n) : n);
    ASSERT_NE(node, kNoNode);
    onTreeSelected(ctx, node);
}

} // namespace lk::test
