// The dates and times of AppleWorks data base records, as the table shows them.
#pragma once

#include <string>

#include "base/bytes.h"

namespace lk {

// A date value from its mark $C0 on: two year digits, a month letter ("A" January to "L"
// December) and two day digits; shown as "Jan 05 87", or "Jan 05" in year 00. A month letter
// outside "A"-"L" shows as "?".
std::string appleWorksDate(Bytes value);

// A time value from its mark $D4 on: an hour letter ("A" 0 to "X" 23) and two minute digits;
// shown on the 12-hour clock as "10:30 PM" or " 9:05 AM". An hour letter outside "A"-"X" shows
// as "??" with neither AM nor PM.
std::string appleWorksTime(Bytes value);

} // namespace lk
