#include "window/qt/qt_locale.h"

#include <QDate>

namespace lurnatik {

std::optional<double> QtLocale::toNumber(std::string_view text) {
    bool ok = false;
    const double value =
        locale_.toDouble(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

std::string QtLocale::shortDate() {
    return locale_.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

}  // namespace lurnatik
