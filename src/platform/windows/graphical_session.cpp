#include "platform/graphical_session.h"

namespace lurnatik {

// Every interactive Windows session has a desktop to draw on.
bool graphicalSessionAvailable() {
    return true;
}

}  // namespace lurnatik
