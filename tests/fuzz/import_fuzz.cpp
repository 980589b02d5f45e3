// Arbitrary bytes as a permanence file: the libFuzzer target, and in the ordinary
// build a test that replays every seed and every input it ever crashed on.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "import/item_reader.h"
#include "import/text_encoding.h"
#include "program/program.h"
#include "support/fake_platform.h"

namespace lurnatik::fuzzing {
namespace {

using namespace std::literals;

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "import fuzzing: %s\n", what);
        std::abort();
    }
}

// The root ("/" or "C:\\") lists one file, whose content is the fuzz input.
struct BytesFileSystem : FileSystem {
    explicit BytesFileSystem(std::string_view b) : bytes(b) {}
    std::vector<std::string> drives() override { return {root}; }
    std::string currentDirectory() override { return root; }
    bool isDirectory(const std::string& path) override { return path == root; }
    std::vector<std::string> subdirectories(const std::string&) override { return {}; }
    std::vector<std::string> textFiles(const std::string&) override { return {"perm.txt"}; }
    std::optional<std::string> readFile(const std::string& path) override {
        check(path == pathInDirectory(root, "perm.txt"),
              "a file in the root read with a doubled separator");
        return std::string(bytes);
    }
    const std::string root{pathRoot(DiskFileSystem().currentDirectory())};
    std::string_view bytes;
};

void importAndReplay(std::string_view bytes) {
    testing::FakePlatform fake;
    BytesFileSystem files(bytes);
    Platform platform{fake.messageBox, fake.clock, fake.locale, files, fake.printer, fake.session};
    Program program(platform);
    program.startUp();
    Form1& form = program.form;
    const State& s = form.state;

    form.okextern.click();
    form.File1.listIndex = 0;
    form.File1.click();
    check(form.okexternok.enabled, "OK not enabled by the file list");
    const std::string instructions = form.text.caption;
    form.okexternok.click();

    if (s.importmodus == 0) {
        check(form.Frame1.visible && form.text.caption == instructions && s.permanenz.empty(),
              "a rejected file changed the window");
        return;
    }
    check(!form.Frame1.visible && !form.okextern.enabled, "panel not closed");
    check(s.permanzahl == s.sollwuerfe, "counted and wanted differ");
    check(s.permanenz.size() == static_cast<std::size_t>(s.sollwuerfe) + 21,
          "permanenz not sized N + 21");
    for (std::size_t k = 0; k < s.permanenz.size(); ++k) {
        check(s.permanenz[k].has_value() == (k >= 1 && k <= s.sollwuerfe), "spins not at 1 to N");
    }
    check(isValidUtf8(form.text.caption), "header text is no UTF-8");
    check(form.text.caption.find_first_of("\n\0"sv) == std::string::npos, "LF or NUL in the text");

    // Replay a little past the recorded spins, into the empty entries behind them.
    form.textanzahl.setText(std::to_string(std::min<std::size_t>(s.permanenz.size() + 3, 400)));
    form.Option1.select(1);
    form.okstart.click();
}

// Feeds the bytes to the item reader, to the decoding of a file (UTF-16 behind its
// mark becomes UTF-8) and, as the chosen file, to a whole import and a replay.
void fuzzImport(std::string_view bytes) {
    ItemReader reader(bytes);
    std::string_view item;
    for (std::size_t last = 0; reader.next(item); last = reader.position()) {
        check(
            item.data() >= bytes.data() && item.data() + item.size() <= bytes.data() + bytes.size(),
            "item outside the data");
        check(reader.position() > last && reader.position() <= bytes.size(), "reader stuck");
    }
    check(reader.atEnd(), "no item, yet not at the end");
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        check(isValidUtf8(decodedFileText(std::string(bytes))), "decoded UTF-16 is no UTF-8");
    }
    importAndReplay(bytes);
}

}  // namespace
}  // namespace lurnatik::fuzzing

#ifdef LURNATIK_FUZZ_DIR
#include <gtest/gtest.h>

TEST(FuzzRegression, EverySavedInputPasses) {
    for (const char* folder : {"corpus", "regressions"}) {
        for (const auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(LURNATIK_FUZZ_DIR) / folder)) {
            SCOPED_TRACE(entry.path().string());  // a README too: any bytes must pass
            lurnatik::fuzzing::fuzzImport(
                lurnatik::DiskFileSystem().readFile(entry.path().string()).value());
        }
    }
}
#else
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lurnatik::fuzzing::fuzzImport({reinterpret_cast<const char*>(data), size});
    return 0;
}
#endif
