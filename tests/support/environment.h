#pragma once
// Setting and removing a variable of this process's environment, which the
// programs it starts inherit.

#include <cstdlib>
#include <ctime>
#include <string>

namespace tarnex::test {

inline void set_environment_variable(const std::string& name, const std::string& value) {
#ifdef _WIN32
  ::_putenv_s(name.c_str(), value.c_str());
#else
  ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

inline void unset_environment_variable(const std::string& name) {
#ifdef _WIN32
  // An empty value removes the variable there.
  ::_putenv_s(name.c_str(), "");
#else
  ::unsetenv(name.c_str());
#endif
}

// Makes the C library read TZ again.
inline void reread_time_zone() {
#ifdef _WIN32
  ::_tzset();
#else
  ::tzset();
#endif
}

}  // namespace tarnex::test
