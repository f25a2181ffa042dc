#pragma once

namespace standin {

// Writes exactly mebibytes * 1048576 bytes of printable text lines, each
// about 80 characters and numbered so that no two are alike, to try how the
// driver copes with far more output than its buffers hold.
void flood(long mebibytes);

}  // namespace standin
