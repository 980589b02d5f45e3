#include "import_fixture.h"

#include <algorithm>
#include <cmath>

namespace lurnatik::testing {

bool BendableFiles::isDirectory(const std::string& path) {
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
