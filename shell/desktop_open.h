#pragma once
// Opening a document or web address with the desktop's default application,
// where a failure is never silent.

#include <string>
#include <string_view>

#include "ui/services.h"

namespace tarnex {

// The desktop's answers above this are success.
constexpr int kLastOpenFailure = 32;

// The message of the "ERROR" box when no application could open `target`,
// a "file" or a "web address".
std::string open_failure_text(std::string_view target, std::string_view what);

// Reports in an "ERROR" box that no application could open `target`.
void report_open_failure(ui::Ui& ui, std::string_view target, std::string_view what);

}  // namespace tarnex
