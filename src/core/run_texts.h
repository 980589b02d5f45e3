#pragma once
// Texts and colours that the run control writes into the window.

#include "model/form.h"

namespace lurnatik {

// The status text while numbers come from the random generator.
inline constexpr const char* kRandomSourceText = " Der Computer erzeugt die Zahlen...";
// Put under the status text, after a carriage return, when a run has ended.
inline constexpr const char* kEndLine = "                    ***  ENDE  *** ";

inline constexpr Colour kRotationRunning = colours::green;  // Lrotat while rotating
inline constexpr Colour kRotationIdle = colours::grey;      // Lrotat after the last rotation
inline constexpr Colour kHaltActive = colours::white;       // haltbei while it counts
inline constexpr Colour kHaltInactive = colours::grey;

// The indices of Option1; the screen shows them in the order 0, 1, 3, 2.
enum Mode : int {
    kSingleStep = 0,
    kRunThrough = 1,
    kHaltAt = 2,
    kRotation = 3,
};

inline constexpr int kRotationLength = 37;

}  // namespace lurnatik
