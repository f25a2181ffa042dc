#pragma once
// Command codes: what a menu routine posts for the command loop, and while a
// model runs, its run code.

namespace tarnex {

enum CommandCode : int {
  kIdle = 0,
  kClearScreen = 100,
  kMorOrbDialog = 200,
  kMorRun = 200,
  kMordRun = 201,
  kOrbRun = 210,
  kMerlOrbDialog = 300,
  kMerlRun = 300,
  kFlumDialog = 400,
  kFlumRun = 400,
  kJornDialog = 500,
  kJornRun = 500,
};

}  // namespace tarnex
