// Where the printer offers its PDF file when the home directory is named in
// bytes that are not UTF-8, as only Linux allows.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <utility>

#include "qt/qt_printer.h"

namespace lurnatik {
namespace {

TEST(QtPrinterFileTest, TheOfferedFileLiesInADirectoryThatExists) {
    const QTemporaryDir dir;
    const QByteArray home = QFile::encodeName(dir.path()) + "/Gr\xF6\xDF" + "e";  // Windows-1252
    ASSERT_TRUE(QDir().mkdir(dir.filePath("tmp")));
    ASSERT_EQ(::mkdir(home.constData(), 0700), 0);
    std::map<const char*, QByteArray> surroundings = {
        {"HOME", home},
        {"XDG_CONFIG_HOME", home},
        {"TMPDIR", QFile::encodeName(dir.filePath("tmp"))}};
    for (auto& [name, value] : surroundings) {  // then what was set (unset as empty)
        qputenv(name, std::exchange(value, qgetenv(name)));
    }
    const QString offered = QtPrinter(nullptr).defaultOutputFile;
    for (const auto& [name, value] : surroundings) {
        qputenv(name, value);
    }
    ::rmdir(home.constData());  // a name QTemporaryDir cannot decode, nor remove
    EXPECT_EQ(offered, dir.filePath("tmp/lurnatik1.pdf")) << "home is not UTF-8";
}

}  // namespace
}  // namespace lurnatik
