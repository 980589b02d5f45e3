#include "output/info_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/program_test.h"
#include "support/temp_dir.h"

namespace lurnatik {
namespace {

using namespace std::string_literals;

constexpr const char* kFailureText = "Problem:\nKann die Datei Info_Lurnatik1.txt nicht finden.";

class InfoText : public testing::ProgramTest {
  protected:
    testing::TempDir programDir;

    void SetUp() override {
        fake.session.directory = programDir.path();
        ProgramTest::SetUp();
    }
};

struct Opened {
    std::optional<std::string> bytes;  // nullopt: no file
    std::string shown;
};

// Each opening reads the file as it is now, in UTF-8 with line feeds, and
// closing hides and empties the box, leaving all else as it was.
TEST_F(InfoText, ShowsTheFileAsItIsAtEachOpeningOrTheProblemWhenItIsMissing) {
    const auto closed = testing::snapshot(form);
    for (const Opened& c : {Opened{std::nullopt, kFailureText}, Opened{"alt", "alt"},
                            Opened{"neu", "neu"}, Opened{"\xEF\xBB\xBFÜber", "Über"},
                            Opened{"\xDC"
                                   "ber W\xFCrfe \x80 \x84"
                                   "a\x93",
                                   "Über Würfe € „a“"},
                            Opened{"eins\r\nzwei\r\n\r\ndrei", "eins\nzwei\n\ndrei"},
                            Opened{"eins\rzwei", "eins\nzwei"}, Opened{"", ""},
                            Opened{"\xFF\xFE\xDC\0b\0\r\0\n\0x\0\x1A\0"s, "Üb\nx"},
                            Opened{"\xFE\xFF\0\xDC\0b"s, "Üb"}, Opened{"a\x1A", "a"},
                            Opened{std::nullopt, kFailureText}}) {
        if (c.bytes) {
            programDir.write(kInfoFileName, *c.bytes);
        } else {
            std::filesystem::remove(programDir.file(kInfoFileName));
        }
        form.okinfo.click();
        EXPECT_TRUE(form.infotext.visible);
        EXPECT_EQ(form.infotext.text, c.shown);
        EXPECT_EQ(form.okinfo.caption, "Ende Info");
        form.okinfo.click();
        EXPECT_EQ(testing::snapshot(form), closed) << c.shown;
    }
    EXPECT_TRUE(fake.messageBox.asked.empty());
    form.okinfo.caption = "info";  // any other caption does nothing
    const auto other = testing::snapshot(form);
    form.okinfo.click();
    EXPECT_EQ(testing::snapshot(form), other);
}

// A file too large to hold, or a program directory that names no file: the box
// shows the problem, and no other file is read.
TEST_F(InfoText, AFileThatCannotBeHeldOrAnUnknownDirectoryShowsTheProblem) {
    struct Files : DiskFileSystem {
        std::optional<std::string> readFile(const std::string& path) override {
            if (path.rfind('/', 0) == 0) {
                throw std::bad_alloc();
            }
            return path;  // any other file would be shown
        }
    } files;
    Platform platform{fake.messageBox, fake.clock, fake.locale, files, fake.printer, fake.session};
    for (const char* directory : {"/opt", "", "lib/lurnatik1"}) {
        fake.session.directory = directory;
        toggleInfo(form, platform);
        EXPECT_EQ(form.infotext.text, kFailureText) << directory;
        EXPECT_EQ(form.okinfo.caption, "Ende Info");
        toggleInfo(form, platform);
    }
}

// The file in the program's directory, whatever its name is made of.
TEST(InfoFilePath, JoinsTheProgramDirectoryAndTheName) {
    const std::string bin = "/opt/lurnatik1/bin";
    const std::string latin1 = "/opt/Gr\xF6\xDF";
    EXPECT_EQ(infoFilePath(bin), bin + "/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath(bin + "/"), bin + "/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath("/"), "/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath(latin1), latin1 + "/info_lurnatik1.txt");
}

}  // namespace
}  // namespace lurnatik
