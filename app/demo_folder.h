#pragma once
// The demo: the stand-in model program, installed once, and the sample input
// files, copied into a new folder where the stand-in takes each model
// program's name.

#include <filesystem>
#include <string>

namespace tarnex {

struct DemoSource {
  std::filesystem::path samples;  // a folder of sample files, copied as they are
  std::filesystem::path standin;  // the stand-in model program
};

// Where the package puts the demo, found from the installed program's path.
DemoSource installed_demo(const std::filesystem::path& program);

// ~/tarnex-demo; the current directory's tarnex-demo without a home.
std::filesystem::path default_demo_folder(const char* home);

// Makes `folder`, which must not exist yet, and fills it with the stand-in
// under MOR.exe ... JORN.exe and the sample files. Returns the one line to
// show when it cannot, empty when the folder is ready.
std::string make_demo_folder(const std::filesystem::path& folder, const DemoSource& source);

}  // namespace tarnex
