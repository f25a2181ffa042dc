#include "base/calendar.h"

namespace tarnex {

std::tm local_calendar(std::time_t seconds) {
  std::tm calendar{};
#ifdef _WIN32
  ::localtime_s(&calendar, &seconds);
#else
  ::localtime_r(&seconds, &calendar);
#endif
  return calendar;
}

std::time_t utc_seconds(std::tm calendar) {
#ifdef _WIN32
  return ::_mkgmtime(&calendar);
#else
  return ::timegm(&calendar);
#endif
}

}  // namespace tarnex
