#pragma once
// Writes a starter file. The file is created only when no file of that name
// exists, so an existing file is never overwritten, and a file that could not
// be written completely is removed rather than left half written.

#include <string_view>

namespace tarnex::templates {

struct TemplateWrite {
  enum class Outcome {
    Written,
    NotCreated,   // the file exists, or the name cannot be created
    WriteFailed,  // created, but writing failed (disk full, ...); removed again
  };
  Outcome outcome = Outcome::Written;
  int error = 0;  // the system's error code unless Written
};

// Creates `file_name` and writes the lines of template `kind` into it, each a
// record of 256 characters.
TemplateWrite DATFILEBUILDER(std::string_view kind, std::string_view file_name);

}  // namespace tarnex::templates
