#pragma once

// The end of every benchmark program's main(): Google Benchmark's own arguments,
// the runs and their report. Returns the program's exit code.
namespace lumidex::bench {

int runBenchmarks(int argc, char** argv);

} // namespace lumidex::bench
