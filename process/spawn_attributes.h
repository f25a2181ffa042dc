#pragma once
// What every program Tarnex starts gets: every signal at its default and
// none blocked. Tarnex ignores SIGPIPE, and a child must not inherit that.

#include <signal.h>
#include <spawn.h>

namespace tarnex::process {

// Initialises `attributes` with `flags` and default signals; the caller
// destroys them after the spawn.
inline void init_spawn_attributes(posix_spawnattr_t& attributes, short flags) {
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, static_cast<short>(flags | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK));
  sigset_t signals;
  sigfillset(&signals);
  posix_spawnattr_setsigdefault(&attributes, &signals);
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
}

}  // namespace tarnex::process
