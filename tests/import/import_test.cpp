// The import of a permanence file: its bytes read, and through the panel as a user
// would: the lists, the files read, the recorded permanences.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "import/item_reader.h"
#include "import/permanence_reader.h"
#include "import/text_encoding.h"
#include "import_fixture.h"
#include "model/instruction_text.h"

namespace lurnatik {
namespace {

using namespace std::string_literals;

// A permanence file: the four header lines, then the data lines, CR LF line ends.
std::string permanenceFile(const std::vector<std::string>& dataLines) {
    std::string text = "Spielbank Hamburg\r\nTisch 3\r\nJanuar 1999\r\nPermanenz\r\n";
    for (const std::string& line : dataLines) {
        text += line + "\r\n";
    }
    return text;
}

// permanenz after an import of these spins: entry 0 empty, the spins at 1 to N,
// twenty empty entries behind them.
std::vector<PermanenzEntry> permanenzOf(const std::vector<double>& spins) {
    std::vector<PermanenzEntry> entries(1 + spins.size() + 20);
    std::copy(spins.begin(), spins.end(), entries.begin() + 1);
    return entries;
}

// What the panel shows: "closed" when it is, the path its upper lines spell (below
// `top` as "."), its subdirectories, its text files, the chosen file and whether OK
// is on; "?" first when the lists disagree on the path.
std::string panelView(const Form1& form, const std::string& top) {
    std::string path = form.Dir1.items.empty() ? "" : form.Dir1.items.front();
    for (int i = 1; i < form.Dir1.pathEntries; ++i) {
        path = pathInDirectory(path, form.Dir1.items[static_cast<std::size_t>(i)]);
    }
    std::string view = path == form.Dir1.path() && path == form.File1.path ? "" : "? ";
    view += form.Frame1.visible ? "" : "closed ";
    std::string shown = path.rfind(top, 0) == 0 ? "." + path.substr(top.size()) : path;
    std::replace(shown.begin(), shown.end(), '\\', '/');  // one view for both systems
    view += shown + " (";
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
    const std::string cwd = files.currentDirectory();
    const auto& drives = form.Drive1.items;
    EXPECT_NE(std::find(drives.begin(), drives.end(), form.Drive1.drive()), drives.end());
    EXPECT_EQ(cwd.rfind(files.driveRoot(form.Drive1.drive()), 0), 0u)
        << "the drive holds the directory";
    const std::string start = panelView(form, cwd);
    EXPECT_TRUE(start.starts_with("closed . (") && start.ends_with(" []")) << start;

    for (const char* name : {"leer", "sub", "weg", "tisch"}) {
        temp.makeDirectory(name);
    }
    temp.write("a.txt", "");
    temp.write("tisch/t1.txt", "");
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
    EXPECT_TRUE(files.pathsRead.empty());
    form.Dir1.onOpen(0);
    EXPECT_EQ(form.Dir1.path(), pathRoot(temp.path())) << "the root";
}

TEST_F(ImportTest, AfterRestartThePanelOpensAtTheLastDirectoryAndImportsAnew) {
    temp.write("perm.txt", permanenceFile({"1,2,3,4,5,6,7,8,9,10"}));
    importFile(form, temp.path(), "perm.txt");
    fake.messageBox.answers.push_back(Answer::Ja);
    form.okabbrechen.click();
    form.okextern.click();
    EXPECT_EQ(panelView(form, temp.path()), ". () perm.txt [perm.txt] OK");
    temp.write("short.txt", permanenceFile({"30,31,32"}));
    importFile(form, temp.path(), "short.txt");
    EXPECT_EQ(s.permanenz, permanenzOf({30, 31, 32})) << "the longer one replaced";
    EXPECT_EQ(form.textanzahl.text(), "3");
}

const std::string kHeader = "Spielbank Hamburg\rTisch 3\rJanuar 1999";
const std::string kExampleHeader = "Spielbank Hamburg\rTisch 3\rJanuar";
const std::vector<std::string> kThousandSpins(1000, "1");

// A seed of the import fuzzer: the example saved as "Unicode" by Windows.
std::optional<std::string> fuzzSeed(const std::string& name) {
    return DiskFileSystem().readFile(LURNATIK_FUZZ_DIR "/corpus/" + name, 0, {});
}

// A file chosen in the panel and confirmed with OK. A rejected file, one that
// cannot be read and one too large for the memory leave the window and the state
// as they were, with the panel open.
using Spins = std::vector<double>;
struct Import {
    const char* what;
    std::optional<std::string> bytes;  // nullopt: gone when OK is clicked
    std::optional<Spins> spins = {};   // nullopt: the file is refused
    std::string header = kHeader;
    std::optional<std::uint64_t> memory = std::nullopt;  // left beside the reserve
};

class ImportedFile : public ImportTest, public ::testing::WithParamInterface<Import> {};

TEST_P(ImportedFile, GivesItsSpinsOrChangesNothing) {
    const Import& c = GetParam();
    SCOPED_TRACE(c.what);
    form.textanzahl.setText("12");
    temp.write("perm.txt", c.bytes.value_or(""));
    if (c.memory) {
        fake.memory.available = kMemoryReserve + *c.memory;
    }
    chooseFile(form, temp.path(), "perm.txt");
    if (!c.bytes) {
        std::filesystem::remove(temp.file("perm.txt"));  // gone before OK
    }
    const std::string before = testing::snapshot(form);
    s.permanzahl = 7;
    form.okexternok.click();
    EXPECT_EQ(form.Frame1.visible, !c.spins);
    if (!c.spins) {
        // Also the spin counter: every OK starts it afresh.
        EXPECT_EQ(testing::snapshot(form), before);
        return;
    }
    // Read once: a second reading could differ from the first, which sized the array.
    EXPECT_EQ(files.pathsRead.size(), 1u);
    EXPECT_EQ(s.permanenz, permanenzOf(*c.spins));
    EXPECT_EQ(form.text.caption, c.header);
    // With no spins the change handling of textanzahl empties it and Start stays off.
    EXPECT_EQ(form.textanzahl.text(), c.spins->empty() ? "" : std::to_string(c.spins->size()));
    EXPECT_EQ(form.okstart.enabled, !c.spins->empty());
}

const Import kImports[] = {
    {"the example", permanenceFile({"17", "0", "------", "32, 15", "======", "5"}),
     Spins{17, 0, 32, 15}},
    {"=5 ends the data", permanenceFile({"1,=5,7", "8"}), Spins{1}},
    {"header only", permanenceFile({}), Spins{}},
    {"spins that just fit the memory", permanenceFile(kThousandSpins), Spins(1000, 1), kHeader,
     8 * (1000 + 21)},
    {"fraction stored as read", permanenceFile({"3.5"}), Spins{3.5}},
    {"too large for a double: outside the wheel, never 0",
     permanenceFile(
         {"1e999", "+1e999", std::string(400, '9'), "&H" + std::string(300, 'F'), "1e-999"}),
     Spins{HUGE_VAL, HUGE_VAL, HUGE_VAL, HUGE_VAL, 0}},
    {"no range check", permanenceFile({"37", "100", "-0"}), Spins{37, 100}},
    {"byte order mark", "\xEF\xBB\xBF" + permanenceFile({"8"}), Spins{8}},
    {"each header item in its own encoding",
     "Spielbank M\xC3\xBCnchen\r\nTisch 3\r\nM\374nchen\r\nx\r\n9", Spins{9},
     "Spielbank München\rTisch 3\rMünchen"},
    {"UTF-16 big-endian", fuzzSeed("utf16be.txt"), Spins{17, 0, 32, 15}, kExampleHeader},
    {"UTF-16 little-endian", fuzzSeed("utf16le.txt"), Spins{17, 0, 32, 15}, kExampleHeader},
    {"end-of-file marks, a line end", permanenceFile({"5"}) + "\x1A\r\n\x1A\x1A", Spins{5}},
    {"UTF-16 with an odd last byte", utf16le(permanenceFile({"5"})) + "\x07", Spins{5}},
    {"first nine characters", "SpielbankXYZ,b,c,d,1", Spins{1}, "SpielbankXYZ\rb\rc"},
    {"header line with a comma: the fourth header line becomes a spin",
     "Spielbank Hamburg\r\nTisch 3, Januar\r\nzweite Zeile\r\nvierte Zeile\r\n5\r\n", Spins{0, 5},
     "Spielbank Hamburg\rTisch 3\rJanuar"},
    {"quoted header items keep commas, break lines with CR",
     "\"Spielbank Hamburg, Tisch 3\"\r\n\"Jan\r\nFeb\"\r\n\"A\nB\0C\"\r\nx\r\n9"s, Spins{9},
     "Spielbank Hamburg, Tisch 3\rJan\rFeb\rA\rBC"},
    {"empty file", ""},
    {"eight characters", "Spielban\r\nb\r\nc\r\nd\r\n1\r\n"},
    {"lower case", "spielbank Hamburg\r\nb\r\nc\r\nd\r\n1\r\n"},
    {"other first item", "Roulette\r\nSpielbank\r\nc\r\nd\r\n1"},
    {"blanks only", "  \r\n\r\n"},
    {"NUL bytes", "\0\0\0\0Spielbank\0\0"s},
    {"NUL inside the first nine", "Spiel\0bank,b,c,d,1"s},
    {"three items", "Spielbank Hamburg\r\nb\r\nc\r\n"},
    {"gone before OK", std::nullopt},
    {"no memory for the file", permanenceFile({std::string(4000, 'x')}), {}, "", 1000},
    {"no memory for the spins beside the file", permanenceFile(kThousandSpins), {}, "", 4000},
    {"no memory for a header", "Spielbank" + std::string(3000, 'x') + ",b,c,d", {}, "", 8000}};
INSTANTIATE_TEST_SUITE_P(Rows, ImportedFile, ::testing::ValuesIn(kImports));

const std::string kData = LURNATIK_DATA_DIR;

// The spins of a data file as a plain reading sees them: four header lines, then
// comma-separated numbers up to a line of "=", lines of "-" skipped.
std::vector<double> plainSpins(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<double> spins;
    std::string line;
    for (int header = 0; header < 4 && std::getline(in, line); ++header) {
    }
    while (std::getline(in, line) && line[0] != '=') {
        std::istringstream items(line);
        for (std::string item; line[0] != '-' && std::getline(items, item, ',');) {
            spins.push_back(std::stoi(item));
        }
    }
    return spins;
}

// The recorded permanences of the data folder, imported one after another.
TEST_F(ImportTest, EachRealFileGivesEverySpinInOrder) {
    for (const auto& [file, count] : {std::pair{"wiesbaden-tisch1.txt", 187630},
                                      {"wiesbaden-tisch7.txt", 1242616},
                                      {"wiesbaden-tisch1-auszug-cp1252.txt", 844}}) {
        SCOPED_TRACE(file);
        if (!std::filesystem::is_regular_file(kData + "/" + file)) {
            GTEST_SKIP() << "real permanence file " << file << " missing in " << kData
                         << " (CMake setting LURNATIK_DATA_DIR)";
        }
        importFile(form, kData, file);
        const std::vector<double> plain = plainSpins(kData + "/" + file);
        ASSERT_EQ(plain.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(form.textanzahl.text(), std::to_string(count));
        EXPECT_TRUE(s.permanenz == permanenzOf(plain));
        fake.messageBox.answers.push_back(Answer::Ja);
        form.okabbrechen.click();  // a restart, for the next import
    }
}

// How the bytes of a permanence file are read: their text encoding, their items.
// Bytes that are not strictly UTF-8 are read as Windows-1252 (the valid ones stay).
TEST(TextEncoding, DecodesEachEncoding) {
    const auto decoded = [](const std::string& b) { return decodedFileText(b, {}).value(); };
    const struct {
        const char* what;
        std::function<std::string(const std::string&)> decode;
        std::string bytes, text;
    } cases[] = {
        {"valid UTF-8", toUtf8, "W\xC3\xBCrfe \xE2\x82\xAC", "W\xC3\xBCrfe \xE2\x82\xAC"},
        {"four bytes", toUtf8, "\xF0\x9F\x8E\xB2", "\xF0\x9F\x8E\xB2"},
        {"Windows-1252", toUtf8, "Gr\xF6\xDF\x65 \x80 \x84x\x93",
         "Gr\xC3\xB6\xC3\x9F\x65 \xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C"},
        {"unassigned and high", windows1252ToUtf8, "\x81\x9F", "\xEF\xBF\xBD\xC5\xB8"},
        {"cut short", toUtf8, "\xC3", "\xC3\x83"},
        {"overlong of two", toUtf8, "\xC0\xAF", "\xC3\x80\xC2\xAF"},
        {"overlong of three", toUtf8, "\xE0\x80\xAF", "\xC3\xA0\xE2\x82\xAC\xC2\xAF"},
        {"surrogate", toUtf8, "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"too high", toUtf8, "\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"},
        {"stray byte", toUtf8, "\xC3\xA4\xBF", "\xC3\x83\xC2\xA4\xC2\xBF"},
        {"UTF-16 LE", decoded, "\xFF\xFE\x41\0\xFC\0\xAC\x20"s, "\x41\xC3\xBC\xE2\x82\xAC"},
        {"UTF-16 BE, a surrogate pair", decoded, "\xFE\xFF\xD8\x3C\xDF\xB2", "\xF0\x9F\x8E\xB2"},
        {"a lone surrogate", decoded, "\xFF\xFE\0\xD8\x41\0"s, "\xEF\xBF\xBD\x41"},
        {"UTF-16 end-of-file mark", decoded, "\xFF\xFE\x31\0\x1A\0"s, "\x31"},
        {"end-of-file mark before text", decoded, "1\x1A\r\n2", "1\x1A\r\n2"},
        {"end-of-file mark first", decoded, "\x1A\x31", "\x1A\x31"},
        {"no mark", decoded, "\xFF\xFD\x31", "\xFF\xFD\x31"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.decode(c.bytes), c.text) << c.what;
    }
}

// At most one item more than bytes, so that a reader that stops moving fails.
std::vector<std::string> itemsOf(std::string_view data) {
    std::vector<std::string> items;
    ItemReader reader(data);
    std::string_view item;
    while (items.size() <= data.size() && reader.next(item)) {
        items.emplace_back(item);
    }
    return items;
}

TEST(ItemReader, DeliversTheItems) {
    const struct {
        const char* what;
        std::string data;
        std::vector<std::string> items;
    } cases[] = {{"nothing", "", {}},
                 {"commas", "17,0,32", {"17", "0", "32"}},
                 {"every kind of line end", "a\r\nb\rc\nd\n\re", {"a", "b", "c", "d", "e"}},
                 {"blanks before items", "  a,\t b", {"a", "b"}},
                 {"blanks after items", "a  ,b\t\r\nc ", {"a", "b", "c"}},
                 {"blank inside an item", "3 5", {"3 5"}},
                 {"empty item between commas", "1,,2", {"1", "", "2"}},
                 {"empty item of blanks", "1,  ,2", {"1", "", "2"}},
                 {"comma that begins a line", "1\r\n,2", {"1", "", "2"}},
                 {"comma that ends a line", "1,\r\n2,  \r\n3", {"1", "2", "3"}},
                 {"comma that ends the data", "1,2,", {"1", "2"}},
                 {"blank lines", "1\r\n\r\n  \r\n\n2", {"1", "2"}},
                 {"white space after the last item", "1\r\n \t\r\n\r\n  ", {"1"}},
                 {"quoted item with comma and line end", "\"a,b\r\nc\",d", {"a,b\r\nc", "d"}},
                 {"text after a closing quote", "\"x\"yz,w\r\n\"v\" u\r\nt", {"x", "w", "v", "t"}},
                 {"quote that never closes", "1,\"2,3\r\n4", {"1", "2,3\r\n4"}},
                 {"empty quotes", "\"\",5", {"", "5"}},
                 {"quote after blanks", "  \"-\",7", {"-", "7"}},
                 {"quote inside an unquoted item", "ab\"c,d", {"ab\"c", "d"}},
                 {"NUL bytes are characters", "a\0b,\0,c"s, {"a\0b"s, "\0"s, "c"}}};
    for (const auto& c : cases) {
        EXPECT_EQ(itemsOf(c.data), c.items) << c.what;
    }
}

}  // namespace
}  // namespace lurnatik
