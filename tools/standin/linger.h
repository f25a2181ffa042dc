#pragma once

namespace standin {

// Leaves a helper process behind, as a model program may leave a server it
// started: the helper prints "helper line N" every 200 ms for `seconds`
// seconds (0: until its output fails) while the stand-in goes on and ends
// as usual. The helper stays in the stand-in's process group or, when
// `detached`, leaves it for a session of its own. On Windows the helper is
// the stand-in started again, in the stand-in's job; a detached one asks to
// leave the job, which the job may refuse.
void leave_helper(long seconds, bool detached);

// On Windows, a stand-in started as a helper plays it here and ends;
// otherwise this returns at once.
void play_helper_if_asked(int argc, char** argv);

}  // namespace standin
