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
constexpr int kMillionsOfSpins = 30;  // 240 MB of entries
constexpr unsigned kDeadlineSeconds = 120;

bool writeText(const std::string& path, std::uint64_t number) {
    return static_cast<bool>(std::ofstream(path) << number << std::flush);
}

class MemoryLimit : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string spins(kMillionsOfSpins * 2'000'000, ',');  // "7,7,..."
        for (std::size_t i = 0; i < spins.size(); i += 2) {
            spins[i] = '7';
        }
        files.write("huge.txt", "Spielbank Hamburg\r\nTisch 1\r\nJanuar\r\nPermanenz\r\n" + spins);
    }

    // The child's work, under the limit: 0 when the system's probe sees the limit
    // and an import through the panel, asking `probe`, refuses the file.
    int importRefused(MemoryProbe& probe) {
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
        form.Dir1.setPath(files.path());
        form.File1.listIndex = 0;
        form.File1.click();
        form.okexternok.click();
        return form.state.importmodus == 0 && form.Frame1.visible ? 0 : 1;
    }

    // Runs `enterLimit` and the import in a child, which must end cleanly with the
    // file refused; its alarm ("Alarm clock") ends it at the deadline.
    void expectRefusedUnder(const std::function<bool()>& enterLimit, MemoryProbe& probe) {
        const pid_t child = fork();
        if (child == 0) {
            alarm(kDeadlineSeconds);
            _exit(enterLimit() ? importRefused(probe) : 3);
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
    const std::string group = own.front().directory + "/lurnatik-test-" + std::to_string(getpid());
    const char* limit = own.front().version == 2 ? "/memory.max" : "/memory.limit_in_bytes";
    std::error_code error;
    if (!std::filesystem::create_directory(group, error) || !writeText(group + limit, kLimit)) {
        std::filesystem::remove(group, error);
        GTEST_SKIP() << "cannot make a memory cgroup under " << own.front().directory;
    }
    expectRefusedUnder([&] { return writeText(group + "/cgroup.procs", getpid()); },
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
    const rlimit limit{mapped + kLimit, mapped + kLimit};
    expectRefusedUnder([&] { return setrlimit(RLIMIT_AS, &limit) == 0; }, blind);
}

}  // namespace
}  // namespace lurnatik
