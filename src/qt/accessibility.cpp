#include "qt/accessibility.h"

#include <QAccessibleWidget>

#include "qt/main_window.h"

namespace lurnatik {
namespace {

// Qt names a combo box by its current text on Linux; the drive is its value.
class DriveAccessible : public QAccessibleWidget {
  public:
    explicit DriveAccessible(DriveBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return static_cast<const DriveBox*>(widget())->currentText();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget")) {
        if (auto* window = dynamic_cast<MainWindow*>(object)) {
            return new QAccessibleWidget(window, QAccessible::Window);
        }
    } else if (className == QLatin1String("QComboBox")) {
        if (auto* drives = dynamic_cast<DriveBox*>(object)) {
            return new DriveAccessible(drives);
        }
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    // Qt asks the factory installed last first, so this one goes before its own.
    QAccessible::installFactory(accessibleFor);
}

}  // namespace lurnatik
