#pragma once

namespace standin {

// Writes exactly mebibytes * 1048576 bytes of printable text lines, each
// about 80 characters and numbered so that no two are alike, to try how the
// driver copes with far more output than its buffers hold. Without line
// breaks a blank ends each line instead, so the whole flood is one line.
void flood(long mebibytes, bool line_breaks);

}  // namespace standin
