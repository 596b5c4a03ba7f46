#include "translate/appleworks_db.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "translate/appleworks_dates.h"

namespace lk {

namespace {

// The header record's fields.
constexpr size_t kHeaderLengthAt = 0x00;
constexpr size_t kCategoryCountAt = 0x23;
constexpr size_t kRecordCountAt = 0x24;
constexpr size_t kReportCountAt = 0x26;
constexpr size_t kWidthsAt = 0x2A;
constexpr size_t kColumnCategoriesAt = 0x4E;
constexpr size_t kVersionAt = 0xDA;
constexpr size_t kColumnCountAt = 0xDE;
constexpr size_t kNamesAt = 0x165;
constexpr size_t kNameField = 22; // a length byte and up to 21 characters

// A file no longer than this holds no table. It holds every fixed field of the header.
constexpr size_t kShortestTable = 356;
constexpr size_t kReportLength = 600;
constexpr size_t kLayoutColumns = 36;
constexpr uint16_t kRecordCountMask = 0x7FFF;
constexpr size_t kShortestRule = 79;
constexpr size_t kLongestRule = 2047;

// The control bytes of a record's values.
constexpr uint8_t kEndOfRecord = 0xFF;
constexpr uint8_t kSkipBase = 0x80;
constexpr uint8_t kDateMark = 0xC0;
constexpr uint8_t kTimeMark = 0xD4;
constexpr std::string_view kEmpty = "-";

struct Layout {
    size_t categories = 0;
    size_t columns = 0; // the table layout holds at most 36
    std::array<uint8_t, kLayoutColumns> width{};
    std::array<uint8_t, kLayoutColumns> category{}; // counted from 1
};

Layout layoutOf(Bytes data) {
    Layout l;
    l.categories = data[kCategoryCountAt];
    l.columns = std::min<size_t>(data[kColumnCountAt], kLayoutColumns);
    std::copy_n(data.begin() + kWidthsAt, kLayoutColumns, l.width.begin());
    std::copy_n(data.begin() + kColumnCategoriesAt, kLayoutColumns, l.category.begin());
    return l;
}

std::string textOf(Bytes bytes) {
    return {bytes.begin(), bytes.end()};
}

// The bytes from `at` on, at most `length` of them, as far as the span holds them.
Bytes within(Bytes bytes, size_t at, size_t length) {
    Bytes rest = bytes.subspan(std::min(at, bytes.size()));
    return rest.first(std::min(length, rest.size()));
}

std::vector<std::string> categoryNames(Bytes data, size_t categories) {
    std::vector<std::string> names;
    for (size_t k = 0; k < categories; ++k) {
        Bytes field = within(data, kNamesAt + kNameField * k, kNameField);
        size_t length = field.empty() ? 0 : field[0];
        names.push_back(textOf(within(field, 1, length)));
    }
    return names;
}

// A cell of the table: the text up to its first zero byte, cut to one less than the column's
// width and padded to the width, so that a space parts it from the next. A column of width 0
// takes no room.
void putCell(std::string& line, std::string_view text, size_t width) {
    if (width == 0) return;
    text = text.substr(0, std::min(width - 1, text.find('\0')));
    line.append(text);
    line.append(width - text.size(), ' ');
}

// A line of the table: each column's category, an empty cell for a category the file does not
// have.
void putLine(std::string& out, const Layout& layout, const std::vector<std::string>& values) {
    for (size_t u = 0; u < layout.columns; ++u) {
        size_t k = layout.category[u];
        std::string_view text = k >= 1 && k <= values.size() ? values[k - 1] : std::string_view();
        putCell(out, text, layout.width[u]);
    }
    out += '\n';
}

std::string valueText(Bytes value, Bytes fromMark) {
    if (value.empty()) return {};
    if (value[0] == kDateMark) return appleWorksDate(fromMark);
    if (value[0] == kTimeMark) return appleWorksTime(fromMark);
    return textOf(value);
}

// The value of every category, in order. Values stop at the end of the record: the categories
// after the last one it holds are empty ("-"), as after its end mark.
std::vector<std::string> recordValues(Bytes record, size_t categories) {
    std::vector<std::string> values(categories, std::string(kEmpty));
    size_t p = 0;
    for (size_t c = 0; c < categories && p < record.size();) {
        uint8_t b = record[p++];
        if (b == kEndOfRecord) break;
        if (b > kSkipBase && size_t(b - kSkipBase) < categories) {
            c += b - kSkipBase;
            continue;
        }
        // A date or time is read whole whatever its length says, as far as the record goes.
        values[c++] = valueText(within(record, p, b), within(record, p, record.size()));
        p += b;
    }
    return values;
}

size_t ruleLength(const Layout& layout) {
    size_t sum = 0;
    for (size_t u = 0; u < std::min(layout.categories, kLayoutColumns); ++u) sum += layout.width[u];
    return std::clamp(sum, kShortestRule, kLongestRule);
}

} // namespace

std::string listAppleWorksDB(Bytes data, bool tryAnyway, Outcome& outcome) {
    if (data.size() <= kShortestTable) return {};
    size_t records = le16At(data, kHeaderLengthAt) + 2 + data[kReportCountAt] * kReportLength;
    if (records >= data.size()) return {};
    if (uint8_t version = data[kVersionAt]; version != 0 && !tryAnyway) {
        outcome.question = message(MessageId::AppleWorksDbVersion, version);
        return {};
    }
    Layout layout = layoutOf(data);
    std::string out;
    putLine(out, layout, categoryNames(data, layout.categories));
    out.append(ruleLength(layout), '=');
    out += '\n';
    // The first record holds the standard values of new records: it is not listed.
    size_t p = records + 2 + le16At(data, records);
    size_t count = le16At(data, kRecordCountAt) & kRecordCountMask;
    for (size_t i = 0; i < count && p + 2 <= data.size() && out.size() <= kTableTextLimit; ++i) {
        size_t length = le16At(data, p);
        if (p + 2 + length > data.size()) break;
        putLine(out, layout, recordValues(data.subspan(p + 2, length), layout.categories));
        p += 2 + length;
    }
    return out;
}

} // namespace lk
