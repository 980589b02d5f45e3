#pragma once

#include <string_view>

namespace lurnatik {

enum class Answer { Ja, Nein, Abbrechen };

// Message-box styles: the buttons plus the question icon.
inline constexpr int kYesNoCancelQuestion = 35;  // Ja, Nein, Abbrechen
inline constexpr int kYesNoQuestion = 36;        // Ja, Nein; Ja is the default

// A modal question to the user.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual Answer ask(std::string_view prompt, std::string_view title, int style) = 0;
};

}  // namespace lurnatik
