// A file far larger than a real memory limit is refused, not killed: a child
// process under the limit imports it. A memory cgroup needs root; the address-space
// limit needs a build that does not map terabytes for a sanitizer.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/memory_probe.h"
#include "support/program_test.h"
#include "support/temp_dir.h"

namespace lurnatik {
namespace {

constexpr std::uint64_t kLimit = 250u << 20;
constexpr int kSpins = 30'000'000;  // 240 MB of entries
constexpr unsigned kDeadlineSeconds = 120;

bool writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text << std::flush;
    return static_cast<bool>(out);
}

// The child's work, under the limit: 0 when the system's probe sees the limit and
// an import through the panel, asking `probe`, refuses the file.
int importRefused(const std::string& directory, MemoryProbe& probe) {
    if (systemMemoryProbe().availableBytes().value_or(kLimit + 1) > kLimit) {
        return 2;
    }
    testing::FakePlatform fake;
    Platform platform{fake.messageBox, fake.clock,   fake.locale, fake.files,
                      fake.printer,    fake.session, probe};
    Program program(platform);
    program.startUp();
    Form1& form = program.form;
    form.okextern.click();
    form.Dir1.setPath(directory);
    form.File1.listIndex = 0;
    form.File1.click();
    form.okexternok.click();
    return form.state.importmodus == 0 && form.Frame1.visible ? 0 : 1;
}

class MemoryLimit : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string chunk(2'000'000, ',');  // a million spins "7,"
        for (std::size_t i = 0; i < chunk.size(); i += 2) {
            chunk[i] = '7';
        }
        std::ofstream out(files.file("huge.txt"), std::ios::binary);
        out << "Spielbank Hamburg\r\nTisch 1\r\nJanuar\r\nPermanenz\r\n";
        for (int i = 0; i < kSpins / 1'000'000; ++i) {
            out << chunk;
        }
    }

    // Runs `enterLimit` and then the import in a child, which must end cleanly
    // with the file refused; its alarm ("Alarm clock") ends it at the deadline.
    void expectRefusedUnder(const std::function<bool()>& enterLimit, MemoryProbe& probe) {
        const pid_t child = fork();
        if (child == 0) {
            alarm(kDeadlineSeconds);
            _exit(enterLimit() ? importRefused(files.path(), probe) : 3);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_FALSE(WIFSIGNALED(status)) << "ended by " << strsignal(WTERMSIG(status));
        ASSERT_NE(WEXITSTATUS(status), 3) << "the child could not enter the limit";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the probe missed the limit; 1: not refused";
    }
    testing::TempDir files;
};

TEST_F(MemoryLimit, HugeFileInAMemoryCgroupIsRefusedNotKilled) {
    const std::vector<MemoryCgroup> own = memoryCgroups();
    if (geteuid() != 0 || own.empty()) {
        GTEST_SKIP() << "no memory cgroup can be made here (needs root and a mounted memory "
                        "controller)";
    }
    const bool v2 = own.front().version == 2;
    const std::string group = own.front().directory + "/lurnatik-test-" + std::to_string(getpid());
    std::error_code error;
    if (!std::filesystem::create_directory(group, error) ||
        !writeText(group + (v2 ? "/memory.max" : "/memory.limit_in_bytes"),
                   std::to_string(kLimit))) {
        std::filesystem::remove(group, error);
        GTEST_SKIP() << "cannot make a memory cgroup under " << own.front().directory;
    }
    expectRefusedUnder([&] { return writeText(group + "/cgroup.procs", std::to_string(getpid())); },
                       systemMemoryProbe());
    std::filesystem::remove(group, error);
}

TEST_F(MemoryLimit, HugeFileUnderAnAddressSpaceLimitIsRefused) {
    std::uint64_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const std::uint64_t mapped = pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    if (mapped > (std::uint64_t{1} << 40)) {
        GTEST_SKIP() << "the process maps " << (mapped >> 40)
                     << " TiB (a sanitizer build): no address-space limit can be set";
    }
    // The import asks a probe that tells nothing: the allocation itself fails.
    testing::FakeMemoryProbe blind;
    expectRefusedUnder(
        [&] {
            const rlimit limit{mapped + kLimit, mapped + kLimit};
            return setrlimit(RLIMIT_AS, &limit) == 0;
        },
        blind);
}

}  // namespace
}  // namespace lurnatik
