#pragma once

#include <QCoreApplication>

namespace lurnatik {

// Qt's own dialogs (printer setup, file names) in German. Without the
// translation files they stay English; the program's own texts are German anyway.
void installGermanTranslations(QCoreApplication& app);

}  // namespace lurnatik
