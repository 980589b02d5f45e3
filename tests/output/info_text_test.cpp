#include "output/info_text.h"

#include <gtest/gtest.h>

#include <filesystem>
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
    void writeInfo(const std::string& bytes) { programDir.write(kInfoFileName, bytes); }
};

TEST_F(InfoText, ShowsTheFileAsItIsAtEachOpeningOrTheProblemWhenItIsMissing) {
    const auto closed = testing::snapshot(form);
    form.okinfo.click();
    EXPECT_TRUE(form.infotext.visible);
    EXPECT_EQ(form.infotext.text, kFailureText);
    EXPECT_EQ(form.okinfo.caption, "Ende Info");
    EXPECT_TRUE(fake.messageBox.asked.empty());
    form.okinfo.click();
    EXPECT_EQ(testing::snapshot(form), closed) << "hidden and emptied again, nothing else changed";

    for (const char* content : {"alt", "neu"}) {
        writeInfo(content);
        form.okinfo.click();
        EXPECT_EQ(form.infotext.text, content);
        form.okinfo.click();
    }
    std::filesystem::remove(programDir.file(kInfoFileName));
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, kFailureText);
}

TEST_F(InfoText, AnyOtherCaptionDoesNothing) {
    writeInfo("x");
    form.okinfo.caption = "info";
    const auto before = testing::snapshot(form);
    form.okinfo.click();
    EXPECT_EQ(testing::snapshot(form), before);
}

struct Encoded {
    std::string bytes;
    std::string shown;
};

TEST_F(InfoText, ShowsTheTextInUtf8WithLineFeeds) {
    for (const Encoded& c : {Encoded{"\xEF\xBB\xBFÜber", "Über"},
                             Encoded{"\xDC"
                                     "ber W\xFCrfe \x80 \x84"
                                     "a\x93",
                                     "Über Würfe € „a“"},
                             Encoded{"eins\r\nzwei\r\n\r\ndrei", "eins\nzwei\n\ndrei"},
                             Encoded{"eins\rzwei", "eins\nzwei"}, Encoded{"", ""},
                             Encoded{"\xFF\xFE\xDC\0b\0\r\0\n\0x\0\x1A\0"s, "Üb\nx"},
                             Encoded{"\xFE\xFF\0\xDC\0b"s, "Üb"}, Encoded{"a\x1A", "a"}}) {
        writeInfo(c.bytes);
        form.okinfo.click();
        EXPECT_EQ(form.infotext.text, c.shown);
        form.okinfo.click();
    }
}

TEST_F(InfoText, AFileThatCannotBeHeldShowsTheProblemAndCloses) {
    struct Unholdable : DiskFileSystem {
        std::optional<std::string> readFile(const std::string&) override { throw std::bad_alloc(); }
    } files;
    Platform platform{fake.messageBox, fake.clock, fake.locale, files, fake.printer, fake.session};
    toggleInfo(form, platform);
    EXPECT_EQ(form.infotext.text, kFailureText);
    EXPECT_EQ(form.okinfo.caption, "Ende Info");
}

TEST(InfoFilePath, JoinsTheProgramDirectoryAndTheName) {
    EXPECT_EQ(infoFilePath("/opt/lurnatik1/bin"), "/opt/lurnatik1/bin/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath("/opt/lurnatik1/bin/"), "/opt/lurnatik1/bin/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath("/"), "/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath("/opt/Gr\xF6\xDF"
                           "e"),
              "/opt/Gr\xF6\xDF"
              "e/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath(""), std::nullopt);
    EXPECT_EQ(infoFilePath("lib/lurnatik1"), std::nullopt);
}

TEST_F(InfoText, AnUnknownProgramDirectoryShowsTheProblemAndReadsNoOtherFile) {
    struct EveryFileReadable : DiskFileSystem {
        std::optional<std::string> readFile(const std::string& path) override { return path; }
    } files;
    Platform platform{fake.messageBox, fake.clock, fake.locale, files, fake.printer, fake.session};
    for (const char* directory : {"", "lib/lurnatik1"}) {
        fake.session.directory = directory;
        toggleInfo(form, platform);
        EXPECT_EQ(form.infotext.text, kFailureText) << directory;
        toggleInfo(form, platform);
    }
}

}  // namespace
}  // namespace lurnatik
