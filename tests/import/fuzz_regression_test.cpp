// Every seed of the import fuzzer and every input it ever crashed on, replayed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "import_fuzz_entry.h"

namespace lurnatik {
namespace {

const std::filesystem::path kFuzzDir = LURNATIK_FUZZ_DIR;

TEST(FuzzRegression, EverySavedInputPasses) {
    int replayed = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(kFuzzDir / folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == "README") {
                continue;
            }
            SCOPED_TRACE(entry.path().string());
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
            fuzzing::fuzzImport(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace lurnatik
