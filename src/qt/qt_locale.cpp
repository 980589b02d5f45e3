#include "qt/qt_locale.h"

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

}  // namespace lurnatik
