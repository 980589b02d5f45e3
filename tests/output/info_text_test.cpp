#include "output/info_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/fake_platform.h"
#include "window/program.h"

namespace lurnatik {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFailureText = "Problem:\nKann die Datei Info_Lurnatik1.txt nicht finden.";

// A directory of its own for each test, removed afterwards.
class TempDir {
  public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ =
            fs::temp_directory_path() / ("lurnatik-info-" + std::string(info->name()) + "-" +
                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

  private:
    fs::path path_;
};

class InfoTextTest : public ::testing::Test {
  protected:
    TempDir programDir;
    testing::FakePlatform fake;
    Program program{fake.platform};
    Form1& form = program.form;

    void SetUp() override {
        fake.session.directory = programDir.path().string();
        program.startUp();
    }
    void writeInfo(const std::string& bytes) { programDir.write(kInfoFileName, bytes); }
};

TEST_F(InfoTextTest, HiddenWithItsCaptionAtStartUp) {
    EXPECT_FALSE(form.infotext.visible);
    EXPECT_EQ(form.okinfo.caption, "Info");
}

TEST_F(InfoTextTest, ShowsTheFileAndHidesAndEmptiesTheBoxAgain) {
    writeInfo("Zeile eins\nZeile zwei\n");
    form.okinfo.click();
    EXPECT_TRUE(form.infotext.visible);
    EXPECT_EQ(form.infotext.text, "Zeile eins\nZeile zwei\n");
    EXPECT_EQ(form.okinfo.caption, "Ende Info");

    form.okinfo.click();
    EXPECT_FALSE(form.infotext.visible);
    EXPECT_EQ(form.okinfo.caption, "Info");
    EXPECT_EQ(form.infotext.text, "");
}

TEST_F(InfoTextTest, AMissingFileShowsTheProblemInTheBox) {
    form.okinfo.click();
    EXPECT_TRUE(form.infotext.visible);
    EXPECT_EQ(form.infotext.text, kFailureText);
    EXPECT_EQ(form.okinfo.caption, "Ende Info");
    EXPECT_TRUE(fake.messageBox.asked.empty());

    form.okinfo.click();
    EXPECT_FALSE(form.infotext.visible);
    EXPECT_EQ(form.okinfo.caption, "Info");
    EXPECT_EQ(form.infotext.text, "");
}

TEST_F(InfoTextTest, ADirectoryOfThatNameCannotBeRead) {
    fs::create_directory(programDir.path() / kInfoFileName);
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, kFailureText);
}

TEST_F(InfoTextTest, ReadsTheFileAnewAtEachOpening) {
    writeInfo("alt");
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, "alt");
    form.okinfo.click();

    writeInfo("neu");
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, "neu");
    form.okinfo.click();

    fs::remove(programDir.path() / kInfoFileName);
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, kFailureText);
}

TEST_F(InfoTextTest, LooksNextToTheProgramNotInTheWorkingOrImportDirectory) {
    TempDir elsewhere;
    elsewhere.write(kInfoFileName, "falsch");
    const fs::path working = fs::current_path();
    fs::current_path(elsewhere.path());
    form.Dir1.setPath(elsewhere.path().string());
    form.File1.path = elsewhere.path().string();

    form.okinfo.click();
    fs::current_path(working);
    EXPECT_EQ(form.infotext.text, kFailureText);

    form.okinfo.click();
    writeInfo("richtig");
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, "richtig");
}

struct EncodingCase {
    const char* name;
    std::string bytes;
    std::string shown;
};

class InfoEncodingTest : public InfoTextTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(InfoEncodingTest, ShowsTheTextInUtf8WithLineFeeds) {
    writeInfo(GetParam().bytes);
    form.okinfo.click();
    EXPECT_EQ(form.infotext.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Files, InfoEncodingTest,
    ::testing::Values(EncodingCase{"Utf8", "Über Würfe\n", "Über Würfe\n"},
                      EncodingCase{"Utf8WithByteOrderMark", "\xEF\xBB\xBFÜber", "Über"},
                      EncodingCase{"Windows1252",
                                   "\xDC"
                                   "ber W\xFCrfe \x80 \x84"
                                   "a\x93",
                                   "Über Würfe € „a“"},
                      EncodingCase{"WindowsLineEnds", "eins\r\nzwei\r\n\r\ndrei",
                                   "eins\nzwei\n\ndrei"},
                      EncodingCase{"OldMacLineEnds", "eins\rzwei", "eins\nzwei"},
                      EncodingCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InfoTextTest, ShowingTheInfoChangesNoOtherControl) {
    writeInfo("x");
    form.textanzahl.setText("5");
    const bool startEnabled = form.okstart.enabled;
    form.okinfo.click();
    EXPECT_EQ(form.okstart.enabled, startEnabled);
    EXPECT_TRUE(form.okende.enabled);
    EXPECT_TRUE(form.okcopy.enabled);
    EXPECT_FALSE(form.Frame1.visible);
    // A run goes on under the box.
    form.okstart.click();
    EXPECT_EQ(form.lakut.caption, "1");
    EXPECT_TRUE(form.infotext.visible);
}

TEST_F(InfoTextTest, AnyOtherCaptionDoesNothing) {
    writeInfo("x");
    form.okinfo.caption = "info";
    form.okinfo.click();
    EXPECT_FALSE(form.infotext.visible);
    EXPECT_EQ(form.okinfo.caption, "info");
    EXPECT_EQ(form.infotext.text, "");
}

TEST(InfoFilePath, JoinsTheProgramDirectoryAndTheName) {
    EXPECT_EQ(infoFilePath("/opt/lurnatik1/bin"), "/opt/lurnatik1/bin/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath("/opt/lurnatik1/bin/"), "/opt/lurnatik1/bin/info_lurnatik1.txt");
    EXPECT_EQ(infoFilePath("/"), "/info_lurnatik1.txt");
}

}  // namespace
}  // namespace lurnatik
