// ProDOS dates and times: two bytes of date (day, month and year packed) and two of time (minute,
// hour), as every directory entry holds them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/host_file_read.h"

namespace lk {

using ProdosDateTime = std::array<uint8_t, 4>;

// Byte 0: month x 32 + day; byte 1: year x 2 + month / 8; byte 2: minute; byte 3: hour. The year
// field is the year less 1900, or less 2000 when that would be above 99.
ProdosDateTime prodosDateTime(const LocalDateTime& time);

// A year field above 99 (a date written counting from 1900 past 1999) brought back by 100.
void reduceYear(ProdosDateTime& dateTime);

// The date and time as the properties show them: "12/5/2004     2:07 PM". A year field below 40
// counts from 2000, any other from 1900 (so 100 to 127 are 2000 to 2027 as well).
std::string dateTimeText(const ProdosDateTime& dateTime);

} // namespace lk
