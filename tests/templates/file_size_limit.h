#pragma once
// Lets files grow to a few bytes only while it lives, so that writing fails
// as on a full disk; the signal a process gets for it is ignored meanwhile.
// Windows has no such limit: the tests that need it are skipped there and
// say why with kNoFileSizeLimit.

#ifdef _WIN32

namespace tarnex::templates::test {

inline constexpr const char* kNoFileSizeLimit =
    "Windows sets no limit on the size of a process's files, which plays a full disk elsewhere";

}  // namespace tarnex::templates::test

#else

#include <sys/resource.h>

#include <csignal>

namespace tarnex::templates::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_handler_)(int) = nullptr;
};

}  // namespace tarnex::templates::test

#endif
