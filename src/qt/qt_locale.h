#pragma once

#include <QLocale>

#include "platform/locale.h"

namespace lurnatik {

// The user's conventions as the desktop sets them.
class QtLocale : public Locale {
  public:
    explicit QtLocale(const QLocale& locale = QLocale::system()) : locale_(locale) {}
    std::optional<double> toNumber(std::string_view text) override;

  private:
    QLocale locale_;
};

}  // namespace lurnatik
