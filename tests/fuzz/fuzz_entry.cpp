// The libFuzzer entry point of one target; the build names the target.

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto faults =
        korvex::fuzz::check_target(KORVEX_FUZZ_TARGET, {reinterpret_cast<const char*>(data), size});
    if (faults.empty()) return 0;
    for (const auto& fault : faults) std::fprintf(stderr, "korvex fuzz: %s\n", fault.c_str());
    std::abort();
}
