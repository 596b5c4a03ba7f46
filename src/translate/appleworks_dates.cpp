#include "translate/appleworks_dates.h"

#include <array>
#include <string_view>

#include "base/format.h"

namespace lk {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr int kHours = 24;
constexpr int kNoon = 12;

// A character of the value; one that the record does not hold shows as "?".
char at(Bytes value, size_t i) {
    return i < value.size() ? char(value[i]) : '?';
}

} // namespace

std::string appleWorksDate(Bytes value) {
    std::string year{at(value, 1), at(value, 2)};
    int month = at(value, 3) - 'A';
    std::string out(month >= 0 && month < int(kMonths.size()) ? kMonths[size_t(month)] : "?");
    out += ' ';
    out += at(value, 4);
    out += at(value, 5);
    if (year != "00") out += ' ' + year;
    return out;
}

std::string appleWorksTime(Bytes value) {
    int hour = at(value, 1) - 'A';
    std::string minutes{at(value, 2), at(value, 3)};
    if (hour < 0 || hour >= kHours) return "??:" + minutes;
    int onClock = hour % kNoon == 0 ? kNoon : hour % kNoon;
    return format("%2d:%s %s", onClock, minutes.c_str(), hour < kNoon ? "AM" : "PM");
}

} // namespace lk
