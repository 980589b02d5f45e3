#pragma once

#include <QComboBox>

namespace lurnatik {

// The drive list: a combo box that screen readers know by its name, with the
// drive as its value.
class DriveBox : public QComboBox {
  public:
    using QComboBox::QComboBox;
};

// Tells Qt, once, how screen readers see what its own widgets would show them
// otherwise: the main window as a frame, as every application's main window, and
// the drive list by its name rather than by its drive.
void installAccessibility();

}  // namespace lurnatik
