#include "import_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace lurnatik::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lurnatik-import-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

void TempDir::write(const std::string& name, std::string_view bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TempDir::makeDirectory(const std::string& name) const {
    std::filesystem::create_directories(file(name));
}

std::vector<std::string> BendableFiles::drives() {
    std::vector<std::string> all = DiskFileSystem::drives();
    all.insert(all.end(), extraDrives.begin(), extraDrives.end());
    return all;
}

bool BendableFiles::isDirectory(const std::string& path) {
    if (std::find(notReady.begin(), notReady.end(), path) != notReady.end()) {
        return false;
    }
    return virtualDirectories.count(path) != 0 || DiskFileSystem::isDirectory(path);
}

std::vector<std::string> BendableFiles::textFiles(const std::string& directory) {
    const auto it = virtualDirectories.find(directory);
    return it != virtualDirectories.end() ? it->second : DiskFileSystem::textFiles(directory);
}

std::optional<std::string> BendableFiles::readFile(const std::string& path) {
    pathsRead.push_back(path);
    return reader ? reader(path) : DiskFileSystem::readFile(path);
}

ImportSnapshot snapshot(const Form1& form) {
    const State& s = form.state;
    return {s.permanenz,
            s.importmodus,
            s.sollwuerfe,
            s.wurfnr,
            form.text.caption,
            form.textanzahl.text(),
            form.okstart.enabled,
            form.okextern.enabled,
            form.okabbrechen.enabled,
            form.okexternok.enabled,
            form.Frame1.visible};
}

ImportTest::ImportTest() {
    program.startUp();
}

void ImportTest::chooseFile(const std::string& directory, const std::string& name) {
    form.okextern.click();
    form.Dir1.setPath(directory);
    form.Dir1.onOpen(form.Dir1.pathEntries - 1);  // reads it again, as files come and go
    const auto& items = form.File1.items;
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name << " is not listed in " << directory;
    form.File1.listIndex = static_cast<int>(it - items.begin());
    form.File1.click();
}

void ImportTest::importFile(const std::string& directory, const std::string& name) {
    chooseFile(directory, name);
    form.okexternok.click();
}

void ImportTest::importBytes(std::string_view bytes, const std::string& name) {
    temp.write(name, bytes);
    importFile(temp.path(), name);
}

void ImportTest::confirmedRestart() {
    fake.messageBox.answers.push_back(Answer::Ja);
    form.okabbrechen.click();
}

std::vector<double> ImportTest::spins() const {
    std::vector<double> values;
    // Twenty empty entries follow the spins.
    for (std::size_t k = 1; k + 20 < s.permanenz.size(); ++k) {
        values.push_back(s.permanenz[k].value_or(std::nan("")));
    }
    return values;
}

std::string permanenceFile(const std::vector<std::string>& dataLines) {
    std::string text = "Spielbank Hamburg\r\nTisch 3\r\nJanuar 1999\r\nPermanenz\r\n";
    for (const std::string& line : dataLines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace lurnatik::testing
