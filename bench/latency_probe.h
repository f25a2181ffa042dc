#pragma once
// A model program that measures the driver: it asks MOR's first question
// again and again at irregular moments and records, for each, the time from
// printing the question to reading its answer.

#include <string>

namespace tarnex::bench {

// The file the probe leaves its delays in, one per line in microseconds.
inline const std::string kDelaysFile = "delays.txt";

// How many questions the probe asks.
inline constexpr int kQuestions = 40;

// Plays the model program on standard input and output; returns its exit code.
int run_latency_probe();

}  // namespace tarnex::bench
