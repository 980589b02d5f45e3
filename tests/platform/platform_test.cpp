#include "platform/disk_file_system.h"

#include <gtest/gtest.h>

#include "platform/number_item.h"
#include "support/temp_dir.h"

namespace lurnatik {
namespace {

// A directory lists its regular text files and its subdirectories, hidden ones left
// out, in name order: letter case ignored, umlauts among their base letters (ß as
// ss). Only regular files are read, and a directory that cannot be read (gone, or
// closed to this user) lists nothing.
TEST(DiskFileSystem, ListsAndReadsRegularTextFilesInNameOrder) {
    testing::TempDir temp;
    for (const char* name :
         {"b.Txt",      "FILE.TXT",   "notes.text", "txt",      ".hidden.txt", "vase.txt",
          "ümlaut.txt", "umlaut.txt", "Ulm.txt",    "uhr.txt",  "Übel.txt",    "ozon.txt",
          "Öl.txt",     "öde.txt",    "Obst.txt",   "mast.txt", "maß.txt",     "Masern.txt",
          "azur.txt",   "ärger.txt",  "Äpfel.txt",  "apfel.txt"}) {
        temp.write(name, "");
    }
    temp.write("a.txt", std::string("x\0y", 3));
    for (const char* name : {"Zeta", "alpha", "ordner.txt", ".git", "Zoll", "Ärger", "Akte"}) {
        temp.makeDirectory(name);
    }
    DiskFileSystem files;
    EXPECT_EQ(files.textFiles(temp.path()),
              (std::vector<std::string>{"a.txt",    "apfel.txt",  "Äpfel.txt",  "ärger.txt",
                                        "azur.txt", "b.Txt",      "FILE.TXT",   "Masern.txt",
                                        "maß.txt",  "mast.txt",   "Obst.txt",   "öde.txt",
                                        "Öl.txt",   "ozon.txt",   "Übel.txt",   "uhr.txt",
                                        "Ulm.txt",  "umlaut.txt", "ümlaut.txt", "vase.txt"}));
    EXPECT_EQ(files.subdirectories(temp.path()),
              (std::vector<std::string>{"Akte", "alpha", "Ärger", "ordner.txt", "Zeta", "Zoll"}));
    EXPECT_EQ(files.readFile(temp.file("a.txt")), std::string("x\0y", 3));
    EXPECT_EQ(files.readFile(temp.file("ordner.txt")), std::nullopt);
    EXPECT_EQ(files.readFile(temp.file("fehlt.txt")), std::nullopt);
    EXPECT_TRUE(files.textFiles(temp.file("fehlt")).empty());
    EXPECT_TRUE(files.subdirectories(temp.file("fehlt")).empty());
}

// A sign or a blank, the plain digits with the user's separator, a trailing blank.
TEST(NumberItem, SignBlankPlainDigitsTrailingBlank) {
    const struct {
        double value;
        const char* separator;
        const char* item;
    } cases[] = {{100, ".", " 100 "},    {0, ".", " 0 "},     {-0.0, ".", " 0 "},
                 {2.5, ",", " 2,5 "},    {2.5, ".", " 2.5 "}, {-3, ",", "-3 "},
                 {-0.25, ",", "-0,25 "}, {0.1, ".", " 0.1 "}, {1e-5, ".", " 0.00001 "}};
    for (const auto& c : cases) {
        EXPECT_EQ(numberItem(c.value, c.separator), c.item) << c.value;
    }
    EXPECT_EQ(numberItem(1000000, "\xC2\xB7"), " 1000000 ");
    EXPECT_EQ(numberItem(1234567.125, ","), " 1234567,125 ");
    EXPECT_EQ(numberItem(1e20, "."), " 100000000000000000000 ");
}

}  // namespace
}  // namespace lurnatik
