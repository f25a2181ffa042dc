#include "process/start_program.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#include "process/spawn_attributes.h"

extern char** environ;

namespace tarnex::process {

std::optional<int> start_detached_program(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return EINVAL;
  std::vector<char*> argv;
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  // Standard handles on the null device, every other descriptor closed.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

  // A session of its own, so that ending a model's process group or the
  // terminal never reaches it.
  posix_spawnattr_t attributes;
  init_spawn_attributes(attributes, POSIX_SPAWN_SETSID);

  pid_t process = -1;
  const int failure = ::posix_spawnp(&process, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failure != 0) return failure;
  // Collected when it ends, so that it never lingers as a zombie; nobody
  // waits for the result.
  std::thread([process] {
    while (::waitpid(process, nullptr, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return std::nullopt;
}

}  // namespace tarnex::process
