#include "qt/program_icon.h"

#include <QDirIterator>

namespace lurnatik {

QIcon programIcon() {
    QIcon icon;
    // One file per size, as the build rendered them: <size>x<size>/apps/lurnatik1.png.
    QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("lurnatik1.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        icon.addFile(files.next());
    }
    return icon;
}

}  // namespace lurnatik
