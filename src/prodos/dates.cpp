#include "prodos/dates.h"

#include "base/format.h"

namespace lk {

ProdosDateTime prodosDateTime(const LocalDateTime& time) {
    int year = time.year - 1900;
    if (year > 99) year = time.year - 2000;
    unsigned month = unsigned(time.month);
    return {uint8_t(((month & 7) << 5) | (unsigned(time.day) & 0x1F)),
            uint8_t(((unsigned(year) & 0x7F) << 1) | ((month >> 3) & 1)), uint8_t(time.minute),
            uint8_t(time.hour)};
}

void reduceYear(ProdosDateTime& dateTime) {
    unsigned year = dateTime[1] >> 1;
    if (year > 99) dateTime[1] = uint8_t(((year - 100) << 1) | (dateTime[1] & 1));
}

std::string dateTimeText(const ProdosDateTime& d) {
    unsigned word = d[0] | (d[1] << 8);
    unsigned day = word & 31;
    unsigned month = (word >> 5) & 15;
    unsigned year = word >> 9;
    year += year < 40 ? 2000 : 1900;
    unsigned hour = d[3];
    char half = hour >= 12 ? 'P' : 'A';
    if (hour > 12) hour -= 12;
    if (hour == 0) hour = 12;
    return format("%i/%i/%i     %i:%02i %cM", int(month), int(day), int(year), int(hour), int(d[2]),
                  half);
}

} // namespace lk
