#pragma once
// The variables of the window that carry a run from one click to the next. The
// counts the window shows are not here: they live as texts in the controls.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/permanenz_entry.h"

namespace lurnatik {

inline constexpr std::int16_t kHighestNumber = 36;  // a throw is 0 to 36
inline constexpr std::int16_t kNoNumber = 200;      // in vorzahl and doppelzahl: none yet

struct State {
    // The colours in farbe.
    static constexpr std::int16_t kRed = 1;
    static constexpr std::int16_t kBlack = 2;
    // The states of doppelstatus besides 0: a pair is waiting for the next throw,
    // and that throw has been compared with it.
    static constexpr std::int16_t kPairPending = 1;
    static constexpr std::int16_t kPairTested = 200;

    // Colour of each number: kRed, kBlack, 0 none (0 and the unused entry 37).
    std::array<std::int16_t, kHighestNumber + 2> farbe{};
    // The recorded spins after an import, spin k at index k; an entry is empty or
    // a double. Empty before the first import.
    std::vector<PermanenzEntry> permanenz;

    std::int16_t importmodus = 0;  // 0: random generator, 1: permanenz
    double sollwuerfe = 0;
    double wurfnr = 0;
    double haltwurf = 0;
    std::int16_t zahl = 0;
    std::int16_t vorzahl = 0;
    std::int16_t doppelzahl = 0;
    std::int16_t doppelstatus = 0;
    std::int16_t flagwdh = 0;
    std::int16_t flagdoppel = 0;
    std::int16_t flagdreifach = 0;
    std::int16_t rotwurf = 0;
    std::int16_t rotnr = 0;
    std::int16_t rotwurfnr = 0;
    double permanzahl = 0;
    std::string zeichen;
    std::string textzeile;
};

}  // namespace lurnatik
