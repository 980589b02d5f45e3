#include "import/import_panel.h"

#include <gtest/gtest.h>

#include "import_fixture.h"
#include "window/instruction_text.h"

namespace lurnatik {
namespace {

using testing::ImportTest;
using testing::permanenceFile;

TEST_F(ImportTest, ImportOpensThePanelAndAbbrClosesItBackToRandomMode) {
    form.okextern.click();
    EXPECT_TRUE(form.Frame1.visible);
    const std::string opening = form.text.caption;
    s.importmodus = 1;
    form.okexternabbruch.click();
    EXPECT_FALSE(form.Frame1.visible);
    EXPECT_EQ(s.importmodus, 0);
    EXPECT_EQ(form.text.caption, kInstructionText);
    EXPECT_TRUE(form.okextern.enabled);
    EXPECT_FALSE(form.okabbrechen.enabled);
    form.okextern.click();
    EXPECT_EQ(form.text.caption, opening) << "the same text each time";
}

TEST_F(ImportTest, ListsStartAtTheWorkingDirectoryAndItsDrive) {
    const std::string cwd = std::filesystem::current_path().string();
    const auto& drives = form.Drive1.items;
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front(), "/");
    EXPECT_NE(std::find(drives.begin(), drives.end(), form.Drive1.drive()), drives.end());
    EXPECT_EQ(cwd.rfind(form.Drive1.drive(), 0), 0u) << "the drive holds the directory";
    EXPECT_EQ(form.Dir1.path(), cwd);
    EXPECT_EQ(form.File1.path, cwd);
    EXPECT_FALSE(form.okexternok.enabled);
    EXPECT_FALSE(form.Frame1.visible);
}

TEST_F(ImportTest, OpeningADirectoryListsItsPathItsSubdirectoriesAndItsTextFiles) {
    // Sorted without regard to case, umlauts among their letters.
    for (const char* name : {"b.Txt", "FILE.TXT", "a.txt", "Ulm.txt", "übersicht.txt", "notes.text",
                             "txt", ".hidden.txt"}) {
        temp.write(name, "");
    }
    for (const char* name : {"Zeta", "alpha", "ordner.txt"}) {
        temp.makeDirectory(name);
    }
    form.Dir1.setPath(temp.path());

    EXPECT_EQ(form.File1.path, temp.path());
    EXPECT_EQ(form.File1.items,
              (std::vector<std::string>{"a.txt", "b.Txt", "FILE.TXT", "übersicht.txt", "Ulm.txt"}));
    EXPECT_EQ(form.File1.listIndex, -1);

    const auto& lines = form.Dir1.items;
    std::vector<std::string> path{"/"};
    for (const auto& part : std::filesystem::path(temp.path()).relative_path()) {
        path.push_back(part.string());
    }
    ASSERT_EQ(form.Dir1.pathEntries, static_cast<int>(path.size()));
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + form.Dir1.pathEntries), path);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + form.Dir1.pathEntries, lines.end()),
              (std::vector<std::string>{"alpha", "ordner.txt", "Zeta"}));
}

// A double-click opens a subdirectory or an ancestor, and reads the open
// directory again.
TEST_F(ImportTest, DoubleClickOpensADirectory) {
    temp.makeDirectory("tisch");
    temp.write("tisch/t1.txt", "");
    form.Dir1.setPath(temp.path());
    form.Dir1.onOpen(form.Dir1.pathEntries);  // the first subdirectory
    EXPECT_EQ(form.Dir1.path(), temp.file("tisch"));
    EXPECT_EQ(form.File1.items, std::vector<std::string>{"t1.txt"});
    form.File1.listIndex = 0;
    temp.write("tisch/t2.txt", "");
    form.Dir1.onOpen(form.Dir1.pathEntries - 1);
    EXPECT_EQ(form.File1.items, (std::vector<std::string>{"t1.txt", "t2.txt"}));
    EXPECT_EQ(form.File1.fileName(), "t1.txt") << "the same directory keeps the chosen file";

    form.Dir1.onOpen(form.Dir1.pathEntries - 2);  // the parent
    EXPECT_EQ(form.Dir1.path(), temp.path());
    form.Dir1.onOpen(0);
    EXPECT_EQ(form.Dir1.path(), "/");
    EXPECT_EQ(form.File1.path, "/");
    EXPECT_EQ(form.Dir1.pathEntries, 1);
}

TEST_F(ImportTest, Dir1TakesOnlyADirectoryThatIsThereInItsPlainForm) {
    temp.makeDirectory("sub");
    temp.makeDirectory("weg");
    temp.write("a.txt", "");
    form.Dir1.setPath(temp.path() + "/sub/../");
    EXPECT_EQ(form.Dir1.path(), temp.path());
    EXPECT_EQ(form.File1.path, temp.path());
    std::filesystem::remove(temp.file("weg"));
    form.Dir1.onOpen(form.Dir1.pathEntries + 1);  // "weg", gone before its double-click
    form.Dir1.setPath(temp.file("fehlt"));
    EXPECT_EQ(form.Dir1.path(), temp.path());
    EXPECT_EQ(form.Dir1.items.back(), "sub") << "the list shows it gone";
    EXPECT_EQ(form.File1.path, temp.path());
    EXPECT_EQ(form.File1.items, std::vector<std::string>{"a.txt"});
}

TEST_F(ImportTest, OkFollowsOnlyClicksOnTheFileList) {
    temp.write("perm.txt", "");
    temp.makeDirectory("leer");
    form.okextern.click();
    form.Dir1.setPath(temp.path());
    EXPECT_FALSE(form.okexternok.enabled) << "changing the directory does not enable OK";
    form.File1.click();
    EXPECT_TRUE(form.okexternok.enabled) << "a click while files are listed";

    form.Dir1.setPath(temp.file("leer"));
    EXPECT_TRUE(form.okexternok.enabled);
    form.okexternabbruch.click();
    form.okextern.click();
    EXPECT_TRUE(form.okexternok.enabled) << "kept through Abbr. and reopening";

    form.File1.click();
    EXPECT_FALSE(form.okexternok.enabled) << "a click while no file is listed";
}

TEST_F(ImportTest, AReadyDriveMovesBothListsToItAndOneNotReadyIsIgnored) {
    files.virtualDirectories[temp.path()] = {"x.txt"};
    form.Drive1.setDrive(temp.path());
    EXPECT_EQ(form.Dir1.path(), temp.path());
    EXPECT_EQ(form.File1.items, std::vector<std::string>{"x.txt"});
    form.Drive1.setDrive(temp.file("leer"));  // no such directory
    EXPECT_EQ(form.Drive1.drive(), temp.file("leer"));
    EXPECT_EQ(form.Dir1.path(), temp.path());
    EXPECT_EQ(form.File1.path, temp.path());
    EXPECT_EQ(form.File1.items, std::vector<std::string>{"x.txt"});
    EXPECT_TRUE(fake.messageBox.asked.empty());
}

TEST_F(ImportTest, AfterRestartThePanelOpensAgainAtTheDirectoryLastUsed) {
    importBytes(permanenceFile({"1"}));
    EXPECT_FALSE(form.okextern.enabled);
    form.okextern.click();
    EXPECT_FALSE(form.Frame1.visible) << "Import is disabled after an accepted file";
    confirmedRestart();
    form.okextern.click();
    EXPECT_TRUE(form.Frame1.visible);
    EXPECT_EQ(form.Dir1.path(), temp.path());
    EXPECT_EQ(form.File1.fileName(), "perm.txt");
}

}  // namespace
}  // namespace lurnatik
