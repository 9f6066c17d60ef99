#include "BenchMain.h"

#include "storage/PhotoFiles.h"

#include <benchmark/benchmark.h>

namespace lumidex::bench {

namespace {

// As the program's main does first, so that 45-megapixel photos decode here too.
// Before main(), since several benchmarks make their photos and windows before
// they call runBenchmarks(); every benchmark program links this file for it.
struct LargePictures {
    LargePictures() { photofiles::allowLargePictures(); }
};
[[maybe_unused]] const LargePictures largePictures;

} // namespace

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace lumidex::bench
