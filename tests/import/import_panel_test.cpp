#include "import/import_panel.h"

#include <gtest/gtest.h>

#include "import_fixture.h"
#include "window/model/instruction_text.h"

namespace lurnatik {
namespace {

using testing::ImportTest;
using testing::permanenceFile;

// What the panel shows: "closed" when it is, the path its upper lines spell (below
// `top` as "."), its subdirectories, its text files, the chosen file and whether OK
// is on; "?" first when the lists disagree on the path.
std::string panelView(const Form1& form, const std::string& top) {
    std::string path;
    for (int i = 1; i < form.Dir1.pathEntries; ++i) {
        path += "/" + form.Dir1.items[static_cast<std::size_t>(i)];
    }
    path = path.empty() ? "/" : path;
    std::string view = path == form.Dir1.path() && path == form.File1.path ? "" : "? ";
    view += form.Frame1.visible ? "" : "closed ";
    view += (path.rfind(top, 0) == 0 ? "." + path.substr(top.size()) : path) + " (";
    for (std::size_t i = form.Dir1.pathEntries; i < form.Dir1.items.size(); ++i) {
        view += form.Dir1.items[i] + (i + 1 < form.Dir1.items.size() ? " " : "");
    }
    view += ")";
    for (const std::string& name : form.File1.items) {
        view += " " + name;
    }
    return view + " [" + form.File1.fileName() + "]" + (form.okexternok.enabled ? " OK" : "");
}

// The lists start at the working directory and its drive; then the user's steps,
// each with what the panel shows after it.
TEST_F(ImportTest, NavigationStepsThroughTheLists) {
    const std::string cwd = std::filesystem::current_path().string();
    const auto& drives = form.Drive1.items;
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front(), "/");
    EXPECT_NE(std::find(drives.begin(), drives.end(), form.Drive1.drive()), drives.end());
    EXPECT_EQ(cwd.rfind(form.Drive1.drive(), 0), 0u) << "the drive holds the directory";
    const std::string start = panelView(form, cwd);
    EXPECT_TRUE(start.starts_with("closed . (") && start.ends_with(" []")) << start;

    for (const char* name : {"leer", "sub", "weg", "tisch"}) {
        temp.makeDirectory(name);
    }
    for (const char* name : {"a.txt", "tisch/t1.txt"}) {
        temp.write(name, "");
    }
    const auto open = [&](int index) { form.Dir1.onOpen(form.Dir1.pathEntries + index); };
    form.okextern.click();
    const std::string opening = form.text.caption;
    const struct {
        const char* what;
        std::function<void()> step;
        std::string view;
    } steps[] = {
        {"a directory change does not enable OK", [&] { form.Dir1.setPath(temp.path()); },
         ". (leer sub tisch weg) a.txt []"},
        {"the plain form of a path", [&] { form.Dir1.setPath(temp.path() + "/sub/../"); },
         ". (leer sub tisch weg) a.txt []"},
        {"a click while files are listed", [&] { form.File1.click(); },
         ". (leer sub tisch weg) a.txt [] OK"},
        {"a subdirectory; OK stays", [&] { open(0); }, "./leer () [] OK"},
        {"OK with no file chosen reads nothing", [&] { form.okexternok.click(); },
         "./leer () [] OK"},
        {"the parent", [&] { form.Dir1.onOpen(form.Dir1.pathEntries - 2); },
         ". (leer sub tisch weg) a.txt [] OK"},
        {"a subdirectory gone before its double-click",
         [&] {
             std::filesystem::remove(temp.file("weg"));
             open(3);
         },
         ". (leer sub tisch) a.txt [] OK"},
        {"a directory that is not there", [&] { form.Dir1.setPath(temp.file("fehlt")); },
         ". (leer sub tisch) a.txt [] OK"},
        {"Abbr. closes the panel, back to random mode and the instructions",
         [&] {
             s.importmodus = 1;
             form.okexternabbruch.click();
             EXPECT_EQ(s.importmodus, 0);
             EXPECT_EQ(form.text.caption, kInstructionText);
             EXPECT_TRUE(form.okextern.enabled && !form.okabbrechen.enabled);
         },
         "closed . (leer sub tisch) a.txt [] OK"},
        {"reopening keeps OK and shows the same text",
         [&] {
             form.okextern.click();
             EXPECT_EQ(form.text.caption, opening);
         },
         ". (leer sub tisch) a.txt [] OK"},
        {"reading the open directory again keeps the chosen file",
         [&] {
             open(2);
             form.File1.listIndex = 0;
             temp.write("tisch/t2.txt", "");
             form.Dir1.onOpen(form.Dir1.pathEntries - 1);
         },
         "./tisch () t1.txt t2.txt [t1.txt] OK"},
        {"a ready drive", [&] { form.Drive1.setDrive(temp.file("sub")); }, "./sub () [] OK"},
        {"a drive not ready is ignored", [&] { form.Drive1.setDrive(temp.file("fehlt")); },
         "./sub () [] OK"},
        {"a click while no file is listed", [&] { form.File1.click(); }, "./sub () []"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        s.step();
        EXPECT_EQ(panelView(form, temp.path()), s.view);
    }
    EXPECT_EQ(form.Drive1.drive(), temp.file("fehlt"));
    EXPECT_TRUE(fake.messageBox.asked.empty());
    EXPECT_TRUE(files.pathsRead.empty());
    form.Dir1.onOpen(0);
    EXPECT_EQ(form.File1.path, "/");
    EXPECT_EQ(form.Dir1.pathEntries, 1);
}

TEST_F(ImportTest, AfterRestartThePanelOpensAtTheLastDirectoryAndImportsAnew) {
    importBytes(permanenceFile({"1,2,3,4,5,6,7,8,9,10"}));
    form.okextern.click();
    EXPECT_FALSE(form.Frame1.visible) << "Import is disabled after an accepted file";
    fake.messageBox.answers.push_back(Answer::Ja);
    form.okabbrechen.click();
    form.okextern.click();
    EXPECT_EQ(panelView(form, temp.path()), ". () perm.txt [perm.txt] OK");
    importBytes(permanenceFile({"30,31,32"}), "short.txt");
    EXPECT_EQ(s.permanenz, testing::permanenzOf({30, 31, 32})) << "the longer one replaced";
    EXPECT_EQ(form.textanzahl.text(), "3");
}

}  // namespace
}  // namespace lurnatik
