// libFuzzer target: arbitrary bytes as a permanence file.

#include "import_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lurnatik::fuzzing::fuzzImport(data, size);
    return 0;
}
