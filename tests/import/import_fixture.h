#pragma once
// What the import tests share: a temporary directory with files in it, a file
// system whose answers a test can bend, and the program driven through the panel.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/disk_file_system.h"
#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik::testing {

// A fresh directory under the system's temporary directory, removed afterwards.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Writes the bytes exactly as given.
    void write(const std::string& name, std::string_view bytes) const;
    void makeDirectory(const std::string& name) const;

  private:
    std::string path_;
};

// The disk, except where a test says otherwise.
class BendableFiles : public DiskFileSystem {
  public:
    std::vector<std::string> drives() override;
    bool isDirectory(const std::string& path) override;
    std::vector<std::string> textFiles(const std::string& directory) override;
    std::optional<std::string> readFile(const std::string& path) override;

    std::vector<std::string> extraDrives;  // listed after the real ones
    std::vector<std::string> notReady;     // drives that cannot be opened
    // Directories that exist only here, with the text files they list.
    std::map<std::string, std::vector<std::string>> virtualDirectories;
    // When set, answers every readFile instead of the disk.
    std::function<std::optional<std::string>(const std::string& path)> reader;
    std::vector<std::string> pathsRead;
};

// The values an import may change, to compare before and after.
struct ImportSnapshot {
    std::vector<std::optional<double>> permanenz;
    std::int16_t importmodus;
    double sollwuerfe;
    double wurfnr;
    std::string text;
    std::string textanzahl;
    bool okstart;
    bool okextern;
    bool okabbrechen;
    bool okexternok;
    bool frame1;
    bool operator==(const ImportSnapshot&) const = default;
};
ImportSnapshot snapshot(const Form1& form);

// A program after start-up, on the disk (with bends), with a temporary directory.
class ImportTest : public ::testing::Test {
  protected:
    ImportTest();

    // Import, the directory, a click on the file, OK: as a user would.
    void chooseFile(const std::string& directory, const std::string& name);
    void importFile(const std::string& directory, const std::string& name);
    // Writes a file into the temporary directory and imports it.
    void importBytes(std::string_view bytes, const std::string& name = "perm.txt");
    void confirmedRestart();

    std::vector<double> spins() const;  // entries 1 to N, empty ones as NaN

    FakePlatform fake;
    BendableFiles files;
    Platform platform{fake.messageBox, fake.clock, fake.locale, files, fake.printer, fake.session};
    Program program{platform};
    Form1& form = program.form;
    State& s = form.state;
    TempDir temp;
};

// A permanence file: the four header lines, then the data lines, CR LF line ends.
std::string permanenceFile(const std::vector<std::string>& dataLines);

}  // namespace lurnatik::testing
