#include "import/import_panel.h"

#include <algorithm>
#include <string>
#include <vector>

#include "import/permanence_reader.h"
#include "model/instruction_text.h"

namespace lurnatik {
namespace {

// The drive that holds the path: the one with the longest root above or at it.
std::string driveOf(const std::string& path, const std::vector<std::string>& drives,
                    FileSystem& files) {
    std::string best(pathRoot(path));
    std::size_t bestRoot = 0;
    for (const std::string& d : drives) {
        const std::string root = files.driveRoot(d);
        if (isUnder(path, root) && root.size() > bestRoot) {
            best = d;
            bestRoot = root.size();
        }
    }
    return best;
}

void fillDirectoryLines(Form1& form, Platform& platform) {
    DirList& dir = form.Dir1;
    const std::string& path = dir.path();
    dir.items.assign(1, std::string(pathRoot(path)));
    for (std::string& part : pathComponents(path)) {
        dir.items.push_back(std::move(part));
    }
    dir.pathEntries = static_cast<int>(dir.items.size());
    dir.listIndex = dir.pathEntries - 1;
    for (std::string& sub : platform.files.subdirectories(path)) {
        dir.items.push_back(std::move(sub));
    }
}

}  // namespace

void openImportPanel(Form1& form) {
    form.Frame1.visible = true;
    std::string& text = form.text.caption;
    text = " ";
    text += " Geben Sie den Ort an, wo sich die Datei";
    text += '\r';
    text += "   mit den Permanenzen der Hamburger Spiel-";
    text += '\r';
    text += "   bank befindet und drücken Sie anschl. OK";
}

void changeDrive(Form1& form, Platform& platform) {
    const std::string& drive = form.Drive1.drive();
    // A drive that is not ready is ignored without a word; the directory and file
    // lists stay where they were.
    const std::string root = drive.empty() ? drive : platform.files.driveRoot(drive);
    if (root.empty() || !platform.files.isDirectory(root)) {
        return;
    }
    form.Dir1.setPath(root);
}

void refreshDirectory(Form1& form, Platform& platform) {
    DirList& dir = form.Dir1;
    FileList& file = form.File1;
    const std::string normal = normalPath(dir.path(), platform.files.currentDirectory());
    if (normal != dir.path()) {
        dir.setPath(normal);  // refreshes, nested
        return;
    }
    if (!platform.files.isDirectory(normal)) {
        // No such directory: back to the one the file list shows, if that differs.
        if (!file.path.empty() && file.path != normal) {
            dir.setPath(file.path);
        }
        return;
    }
    // Reading the same directory again keeps the chosen file chosen, so that OK
    // still reads the file the list highlights.
    const std::string chosen = file.path == normal ? file.fileName() : std::string();
    fillDirectoryLines(form, platform);
    file.path = normal;
    file.items = platform.files.textFiles(normal);
    const auto kept = std::find(file.items.begin(), file.items.end(), chosen);
    file.listIndex = chosen.empty() || kept == file.items.end()
                         ? -1
                         : static_cast<int>(kept - file.items.begin());
}

void openDirectoryEntry(Form1& form, Platform& platform, int index) {
    DirList& dir = form.Dir1;
    if (index < 0 || index >= static_cast<int>(dir.items.size())) {
        return;
    }
    std::string target;
    if (index < dir.pathEntries) {
        target = dir.items.front();
        for (int i = 1; i <= index; ++i) {
            target = pathInDirectory(target, dir.items[static_cast<std::size_t>(i)]);
        }
    } else {
        target = pathInDirectory(dir.path(), dir.items[static_cast<std::size_t>(index)]);
    }
    if (target == dir.path()) {
        // Opening the open directory reads it again, with files saved meanwhile.
        refreshDirectory(form, platform);
        return;
    }
    if (!platform.files.isDirectory(target)) {
        // Gone since the list was filled: show the directory as it is now.
        fillDirectoryLines(form, platform);
        return;
    }
    dir.setPath(target);
}

void clickFileList(Form1& form) {
    form.okexternok.enabled = form.File1.listCount() > 0;
}

void cancelImport(Form1& form) {
    form.state.importmodus = 0;
    form.Frame1.visible = false;
    form.text.caption = kInstructionText;
}

void fillImportLists(Form1& form, Platform& platform) {
    FileSystem& files = platform.files;
    std::vector<std::string> drives = files.drives();
    const std::string current = files.currentDirectory();
    const std::string start = normalPath(current, current);

    // Setting the drive must not move the directory list to the drive's root.
    std::function<void()> driveHandler = std::move(form.Drive1.onChange);
    form.Drive1.onChange = nullptr;
    form.Drive1.setDrive(driveOf(start, drives, files));
    form.Drive1.items = std::move(drives);
    form.Drive1.onChange = std::move(driveHandler);

    if (form.Dir1.path() == start) {
        refreshDirectory(form, platform);
    } else {
        form.Dir1.setPath(start);
    }
}

void attachImportPanel(Form1& form, Platform& platform) {
    Form1* f = &form;
    Platform* p = &platform;
    form.okextern.onClick = [f] { openImportPanel(*f); };
    form.Drive1.onChange = [f, p] { changeDrive(*f, *p); };
    form.Dir1.onChange = [f, p] { refreshDirectory(*f, *p); };
    form.Dir1.onOpen = [f, p](int index) { openDirectoryEntry(*f, *p, index); };
    form.File1.onClick = [f] { clickFileList(*f); };
    form.okexternok.onClick = [f, p] { readPermanence(*f, *p); };
    form.okexternabbruch.onClick = [f] { cancelImport(*f); };
    fillImportLists(form, platform);
}

}  // namespace lurnatik
