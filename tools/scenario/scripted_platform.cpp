#include "scripted_platform.h"

namespace lurnatik {

Answer ScriptedMessageBox::ask(std::string_view prompt, std::string_view title, int style) {
    asked.push_back({std::string(prompt), std::string(title), style});
    if (answers.empty()) {
        throw UnexpectedQuestion("message box without an answer: \"" + std::string(title) +
                                 "\" / \"" + std::string(prompt) + "\"");
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

}  // namespace lurnatik
