#pragma once
// Calendar times where the C libraries differ: POSIX systems have
// localtime_r and timegm, Windows localtime_s and _mkgmtime.

#include <ctime>

namespace tarnex {

// The calendar time of `seconds` in the local time zone.
std::tm local_calendar(std::time_t seconds);

// The seconds of a calendar time read as UTC.
std::time_t utc_seconds(std::tm calendar);

}  // namespace tarnex
