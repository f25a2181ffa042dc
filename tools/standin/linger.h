#pragma once

namespace standin {

// Leaves a helper process behind, as a model program may leave a server it
// started: the helper prints "helper line N" every 200 ms for `seconds`
// seconds (0: until its output fails) while the stand-in goes on and ends
// as usual. The helper stays in the stand-in's process group or, when
// `detached`, leaves it for a session of its own. POSIX systems only:
// elsewhere no helper is left.
void leave_helper(long seconds, bool detached);

}  // namespace standin
