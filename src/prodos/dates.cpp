#include "prodos/dates.h"

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

} // namespace lk
