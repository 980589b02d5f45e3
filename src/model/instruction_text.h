#pragma once

namespace lurnatik {

// The status text of the ground state: four lines joined by single carriage
// returns, which the printed report turns into " / ".
inline constexpr const char* kInstructionText =
    " Anzahl der gewünschten Würfe eingeben,\r"
    "  Modus wählen und Start drücken.\r"
    "  Oder Import drücken und entspr. Datei der\r"
    "  Spielbank Hamburg angeben.";

}  // namespace lurnatik
