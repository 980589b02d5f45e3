// A file beyond a real memory limit of Linux (a memory cgroup, an address-space
// limit), imported in a child process.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "import_fixture.h"
#include "platform/memory_probe.h"

namespace lurnatik {
namespace {

// A file far larger than a real memory limit is refused, not killed: a child
// process under the limit imports it. A memory cgroup needs root; the address-space
// limit needs a build that does not map terabytes for a sanitizer.
constexpr std::uint64_t kLimit = 250u << 20;
constexpr int kMillionsOfSpins = 30;  // 240 MB of entries
constexpr unsigned kDeadlineSeconds = 120;

bool writeText(const std::string& path, std::uint64_t number) {
    return static_cast<bool>(std::ofstream(path) << number << std::flush);
}

struct MemoryLimit : ImportTest {
    // In a child: `enterLimit`, then an import through the panel asking `probe`, which
    // must refuse the file (0) once the system's probe sees the limit; the child's
    // alarm ("Alarm clock") ends it at the deadline.
    void expectRefusedUnder(const std::function<bool()>& enterLimit, MemoryProbe& probe) {
        std::string spins(kMillionsOfSpins * 2'000'000, ',');  // "7,7,..."
        for (std::size_t i = 0; i < spins.size(); i += 2) {
            spins[i] = '7';
        }
        temp.write("huge.txt", "Spielbank Hamburg\r\nTisch 1\r\nJanuar\r\nPermanenz\r\n" + spins);
        const pid_t child = fork();
        if (child == 0) {
            alarm(kDeadlineSeconds);
            const bool entered = enterLimit();
            if (!entered || systemMemoryProbe().availableBytes().value_or(kLimit + 1) > kLimit) {
                _exit(entered ? 2 : 3);
            }
            Platform platform{fake.messageBox, fake.clock,   fake.locale, fake.files,
                              fake.printer,    fake.session, probe};
            Program program(platform);
            program.startUp();
            importFile(program.form, temp.path(), "huge.txt");
            _exit(program.form.state.importmodus == 0 && program.form.Frame1.visible ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_FALSE(WIFSIGNALED(status)) << "ended by " << strsignal(WTERMSIG(status));
        ASSERT_NE(WEXITSTATUS(status), 3) << "the child could not enter the limit";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the probe missed the limit; 1: not refused";
    }
};

TEST_F(MemoryLimit, HugeFileInAMemoryCgroupIsRefusedNotKilled) {
    const std::vector<MemoryCgroup> own = memoryCgroups();
    if (geteuid() != 0 || own.empty()) {
        GTEST_SKIP() << "no memory cgroup can be made here (needs root and a memory controller)";
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
    const rlimit limit{mapped + kLimit, mapped + kLimit};
    expectRefusedUnder([&] { return setrlimit(RLIMIT_AS, &limit) == 0; }, fake.memory);
}

}  // namespace
}  // namespace lurnatik
