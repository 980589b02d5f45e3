// Hostile files beyond a real memory limit of Linux (a memory cgroup, an
// address-space limit), opened in a child process.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "import_fixture.h"
#include "output/info_text.h"
#include "platform/bounded_read.h"
#include "platform/file_reading.h"
#include "platform/linux/memory_cgroups.h"
#include "platform/memory_probe.h"

namespace lurnatik {
namespace {

using namespace std::string_literals;

// Hostile files under a real memory limit, each opened in a child process under
// the limit as a user would, imported or shown as the info text. The child may
// refuse a file or read it, but is never killed. A memory cgroup needs root; the
// address-space limit needs a build that does not map terabytes for a sanitizer.
constexpr std::uint64_t kLimit = 250u << 20;
constexpr unsigned kDeadlineSeconds = 120;

bool writeText(const std::string& path, std::uint64_t number) {
    return static_cast<bool>(std::ofstream(path) << number << std::flush);
}

// A file of `unit` repeated to `bytes` behind `head`; or a link to a /proc file that
// says it is empty and reads on without end.
using Make = std::function<void(const std::string& path)>;
Make filled(std::string head, std::string unit, std::size_t bytes) {
    return [=](const std::string& path) {
        std::string text = head;
        for (text.reserve(bytes); text.size() < bytes;) {
            text += unit;
        }
        std::ofstream(path, std::ios::binary) << text;
    };
}
const Make kPagemap = [](auto& path) {
    std::filesystem::create_symlink("/proc/self/pagemap", path);
};
const Make kSparseGiB = [](auto& p) {
    std::ofstream(p).flush(), std::filesystem::resize_file(p, 1u << 30);
};

enum class Opened { Imported, ImportedWhileWritten, AsInfo, ByTheScenarioRunner };
struct Hostile {
    const char* what;
    Make make;
    Opened how = Opened::Imported;
};
const std::string kHead = "Spielbank Hamburg\r\nTisch 1\r\nJanuar\r\nPermanenz\r\n";
const Hostile kHostiles[] = {
    {"UTF-16 spins", filled(utf16le("Spielbank,\xFC,b,c,"), "7\0,\0"s, 180u << 20)},
    {"linked to /proc/self/pagemap", kPagemap},
    {"a file a recorder still writes", filled(kHead, "-------\r\n", 150u << 20),
     Opened::ImportedWhileWritten},
    {"info text linked to /proc/self/pagemap", kPagemap, Opened::AsInfo},
    {"sparse 1 GiB info text", kSparseGiB, Opened::AsInfo},
    // 90 MB of file and 240 MB of entries: beyond the limit together.
    {"30 M spins through the scenario runner", filled(kHead, "7\r\n", 90u << 20),
     Opened::ByTheScenarioRunner}};

// The scenario runner, given the import as a script, answers as the program does.
bool scenarioRunnerRefuses(const std::string& directory) {
    const std::string script = directory + "/import.scenario";
    std::ofstream(script) << "click okextern\ndir " << directory
                          << "\nclickfile x.txt\nclick okexternok\nvar importmodus\nshow Frame1\n";
    FILE* runner = popen((LURNATIK_SCENARIO_RUNNER " " + script).c_str(), "r");
    std::string said(256, '\0');
    said.resize(std::fread(said.data(), 1, said.size(), runner));
    const int status = pclose(runner);
    return status == 0 && said == "importmodus: 0\nFrame1: \"Import Permanenz\" enabled\n";
}

struct MemoryLimit : ImportTest {
    // The child: `enterLimit`, then the file opened asking `probe`; 0 when it was
    // refused (or, where allowed, read) and the window still works.
    [[noreturn]] void openInChild(const Hostile& c, const std::function<bool()>& enterLimit,
                                  MemoryProbe& probe) {
        alarm(kDeadlineSeconds);
        const bool entered = enterLimit();
        if (!entered || systemMemoryProbe().availableBytes().value_or(kLimit + 1) > kLimit) {
            _exit(entered ? 2 : 3);
        }
        if (c.how == Opened::ByTheScenarioRunner) {
            _exit(scenarioRunnerRefuses(temp.path()) ? 0 : 1);
        }
        fake.session.directory = temp.path();
        Platform platform{fake.messageBox, fake.clock,   fake.locale, fake.files,
                          fake.printer,    fake.session, probe};
        Program program(platform);
        program.startUp();
        Form1& f = program.form;
        if (c.how == Opened::AsInfo) {
            f.okinfo.click();
            _exit(f.infotext.text.starts_with("Problem:") ? 0 : 1);
        }
        importFile(f, temp.path(), "x.txt");
        const bool refused = f.state.importmodus == 0 && f.Frame1.visible;
        const bool read = f.state.importmodus == 1 && !f.Frame1.visible;
        _exit(refused || (read && c.how == Opened::ImportedWhileWritten) ? 0 : 1);
    }

    void expectRefusedUnder(const std::function<bool()>& enterLimit, MemoryProbe& probe) {
        for (const Hostile& c : kHostiles) {
            SCOPED_TRACE(c.what);
            const std::string path = temp.file(c.how == Opened::AsInfo ? kInfoFileName : "x.txt");
            c.make(path);
            const pid_t writer = c.how == Opened::ImportedWhileWritten ? fork() : -1;
            if (writer == 0) {
                for (alarm(kDeadlineSeconds);; std::ofstream(path, std::ios::app) << "7,\r\n") {
                }
            }
            const pid_t child = fork();
            if (child == 0) {
                openInChild(c, enterLimit, probe);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            if (writer > 0) {
                kill(writer, SIGKILL);
                waitpid(writer, nullptr, 0);
            }
            std::filesystem::remove(path);
            ASSERT_FALSE(WIFSIGNALED(status)) << "ended by " << strsignal(WTERMSIG(status));
            ASSERT_NE(WEXITSTATUS(status), 3) << "the child could not enter the limit";
            EXPECT_EQ(WEXITSTATUS(status), 0) << "2: the probe missed the limit; 1: not refused";
        }
    }
};

// A memory cgroup of kLimit below the process's own for the test's time; `why`
// says why none could be made.
struct TestCgroup {
    std::string directory, limit, why;
    TestCgroup() {
        const std::vector<MemoryCgroup> own = memoryCgroups();
        if (geteuid() != 0 || own.empty()) {
            why = "no memory cgroup can be made here (needs root and a memory controller)";
            return;
        }
        directory = own.front().directory + "/lurnatik-test-" + std::to_string(getpid());
        limit = directory + (own.front().version == 2 ? "/memory.max" : "/memory.limit_in_bytes");
        std::error_code error;
        if (!std::filesystem::create_directory(directory, error) || !writeText(limit, kLimit)) {
            why = "cannot make a memory cgroup under " + own.front().directory;
        }
    }
    ~TestCgroup() {
        std::error_code error;
        std::filesystem::remove(directory, error);
    }
    bool enter() const { return writeText(directory + "/cgroup.procs", getpid()); }
};

TEST_F(MemoryLimit, HostileFilesInAMemoryCgroupAreRefusedNotKilled) {
    const TestCgroup group;
    if (!group.why.empty()) {
        GTEST_SKIP() << group.why;
    }
    expectRefusedUnder([&] { return group.enter(); }, systemMemoryProbe());
}

// A limit lowered while a file is read (another program's cgroup tightened)
// ends the read refused, not killed.
TEST_F(MemoryLimit, ALimitLoweredDuringAReadEndsItRefused) {
    const TestCgroup group;
    if (!group.why.empty()) {
        GTEST_SKIP() << group.why;
    }
    const pid_t child = fork();
    if (child == 0) {
        alarm(kDeadlineSeconds);
        constexpr std::uint64_t kSize = 180u << 20;
        std::uint64_t given = 0;
        const ReadSome sevens = [&](char* into, std::size_t room) {
            if (given < (16u << 20) && given + room >= (16u << 20)) {
                writeText(group.limit, 100u << 20);
            }
            std::memset(into, '7', room);
            given += room;
            return static_cast<std::ptrdiff_t>(room);
        };
        const MemoryCheck check = memoryCheck(systemMemoryProbe());
        _exit(!group.enter() ? 3 : readBounded(sevens, kSize, kGrowthMargin, check) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by " << strsignal(WTERMSIG(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: the child could not enter the limit; 1: read whole";
}

TEST_F(MemoryLimit, HostileFilesUnderAnAddressSpaceLimitAreRefused) {
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
