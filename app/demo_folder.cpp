#include "app/demo_folder.h"

#include <system_error>

#include "common/executable_paths.h"

namespace tarnex {

namespace fs = std::filesystem;

DemoSource installed_demo(const fs::path& program) {
  // The install rules give both places relative to the program's folder.
  const fs::path bin = program.parent_path();
  return {(bin / TARNEX_DEMO_SAMPLES).lexically_normal(), (bin / TARNEX_DEMO_STANDIN).lexically_normal()};
}

fs::path default_demo_folder(const char* home) {
  return (home && *home ? fs::path(home) : fs::current_path()) / "tarnex-demo";
}

std::string make_demo_folder(const fs::path& folder, const DemoSource& source) {
  std::error_code error;
  if (!fs::is_regular_file(source.standin, error) || !fs::is_directory(source.samples, error)) {
    return "tarnex: no demo installed (looked for " + source.standin.string() + " and " + source.samples.string() + ")";
  }
  if (fs::exists(folder, error)) {
    return "tarnex: '" + folder.string() + "' exists already; give a new folder, or start there with 'tarnex " +
           folder.string() + "'";
  }
  const auto cannot = [&folder](const std::error_code& cause) {
    return "tarnex: cannot make the demo folder '" + folder.string() + "': " + cause.message();
  };
  if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), error);
  if (error) return cannot(error);
  // create_directory reports an existing folder as not made, so that a folder
  // made meanwhile by someone else is still never written to.
  if (!fs::create_directory(folder, error)) return cannot(error ? error : std::make_error_code(std::errc::file_exists));
  for (std::size_t p = kMor; p <= kJorn; ++p) {
    const fs::path copy = folder / program_file_name(static_cast<Executable>(p));
    fs::copy_file(source.standin, copy, error);
    if (!error) fs::permissions(copy, fs::perms::owner_all, fs::perm_options::add, error);
    if (error) return cannot(error);
  }
  for (const auto& sample : fs::directory_iterator(source.samples, error)) {
    // A demo folder that is itself a working folder (Windows') holds the
    // stand-ins already made above.
    if (!sample.is_regular_file() || fs::exists(folder / sample.path().filename())) continue;
    fs::copy_file(sample.path(), folder / sample.path().filename(), error);
    if (error) return cannot(error);
  }
  return error ? cannot(error) : "";
}

}  // namespace tarnex
