#pragma once

#include <optional>
#include <string>

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

inline constexpr const char* kInfoFileName = "info_lurnatik1.txt";

// The info file next to the program file, whatever the working directory is;
// none when the program's directory is unknown (empty or not absolute).
std::optional<std::string> infoFilePath(const std::string& programDirectory);

// The click on okinfo: its caption "Info" shows infotext with the info file read
// anew, "Ende Info" hides and empties it.
void toggleInfo(Form1& form, Platform& platform);

}  // namespace lurnatik
