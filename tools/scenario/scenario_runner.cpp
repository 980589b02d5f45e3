#include "scenario_runner.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "core/number_text.h"
#include "platform/paths.h"

namespace lurnatik {
namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Splits off the next blank-separated word.
std::string nextWord(std::string_view& rest) {
    const auto start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const auto end = rest.find(' ');
    std::string word(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    return word;
}

// The rest of the line as a text: as it stands, or in double quotes with \r, \"
// and \\ as escapes when it has leading or trailing blanks.
std::string textArgument(std::string_view rest) {
    if (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    if (rest.empty() || rest.front() != '"') {
        return std::string(rest);
    }
    std::string text;
    std::size_t i = 1;
    for (; i < rest.size() && rest[i] != '"'; ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            ++i;
            text += rest[i] == 'r' ? '\r' : rest[i] == 'n' ? '\n' : rest[i];
        } else {
            text += rest[i];
        }
    }
    if (i >= rest.size()) {
        throw ScriptError("text without its closing quote");
    }
    if (rest.find_first_not_of(' ', i + 1) != std::string_view::npos) {
        throw ScriptError("text after the closing quote");
    }
    return text;
}

int integerArgument(const std::string& word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
        throw ScriptError("not a whole number: '" + word + "'");
    }
    return value;
}

std::string inQuotes(std::string_view text) {
    std::string q = "\"";
    for (char c : text) {
        if (c == '\r') {
            q += "\\r";
        } else if (c == '\n') {
            q += "\\n";
        } else {
            q += c;
        }
    }
    return q + '"';
}

Answer answerArgument(const std::string& word) {
    if (word == "Ja") {
        return Answer::Ja;
    }
    if (word == "Nein") {
        return Answer::Nein;
    }
    if (word == "Abbrechen") {
        return Answer::Abbrechen;
    }
    throw ScriptError("answer must be Ja, Nein or Abbrechen, not '" + word + "'");
}

template <typename T>
T& controlOf(const Form1& form, const std::string& name, Kind kind, const char* what) {
    Control* c = form.find(name);
    if (c == nullptr) {
        throw ScriptError("no control named '" + name + "'");
    }
    if (c->kind() != kind) {
        throw ScriptError("'" + name + "' is not " + what);
    }
    return static_cast<T&>(*c);
}

// No user can type where the window lets no keys in.
void requireTypable(const Form1& form, const Control& c) {
    const char* why = !c.enabled        ? "is disabled"
                      : !c.shown()      ? "is hidden"
                      : form.covered(c) ? "lies under the open panel"
                                        : nullptr;
    if (why != nullptr) {
        throw ScriptError("'" + c.name() + "' " + why + ": no typing into it");
    }
}

// Nor click, select or pick where the open panel lies over the control.
void requireUncovered(const Form1& form, const Control& c, const char* action) {
    if (form.covered(c)) {
        throw ScriptError("'" + c.name() + "' lies under the open panel: no " + action);
    }
}

std::string variable(const State& s, const std::string& name) {
    const std::vector<std::pair<const char*, double>> doubles = {{"sollwuerfe", s.sollwuerfe},
                                                                 {"wurfnr", s.wurfnr},
                                                                 {"haltwurf", s.haltwurf},
                                                                 {"permanzahl", s.permanzahl}};
    for (const auto& [n, v] : doubles) {
        if (name == n) {
            return writeNumber(v);
        }
    }
    const std::vector<std::pair<const char*, std::int16_t>> shorts = {
        {"importmodus", s.importmodus},   {"zahl", s.zahl},
        {"vorzahl", s.vorzahl},           {"doppelzahl", s.doppelzahl},
        {"doppelstatus", s.doppelstatus}, {"flagwdh", s.flagwdh},
        {"flagdoppel", s.flagdoppel},     {"flagdreifach", s.flagdreifach},
        {"rotwurf", s.rotwurf},           {"rotnr", s.rotnr},
        {"rotwurfnr", s.rotwurfnr}};
    for (const auto& [n, v] : shorts) {
        if (name == n) {
            return writeNumber(v);
        }
    }
    if (name == "zeichen") {
        return inQuotes(s.zeichen);
    }
    if (name == "textzeile") {
        return inQuotes(s.textzeile);
    }
    if (name == "permanenz") {
        // The number of entries; 0 before the first import.
        return std::to_string(s.permanenz.size());
    }
    throw ScriptError("no variable named '" + name + "'");
}

// What a control shows as its text: the caption, or the text, drive, path or
// file name of the kinds that hold one.
std::string shownText(const Control& c) {
    switch (c.kind()) {
        case Kind::TextBox:
            return static_cast<const TextBox&>(c).text();
        case Kind::RichText:
            return static_cast<const RichTextBox&>(c).text;
        case Kind::DriveList:
            return static_cast<const DriveList&>(c).drive();
        case Kind::DirList:
            return static_cast<const DirList&>(c).path();
        case Kind::FileList:
            return static_cast<const FileList&>(c).fileName();
        default:
            return c.caption;
    }
}

// A colour as the script shows it: "R,G,B", or "system N" for a colour that the
// desktop decides.
std::string colourText(Colour colour) {
    if (isDesktopColour(colour)) {
        return "system " + std::to_string(colour & 0xFFFFu);
    }
    return std::to_string(colour & 0xFFu) + "," + std::to_string((colour >> 8) & 0xFFu) + "," +
           std::to_string((colour >> 16) & 0xFFu);
}

// What a grid cell is drawn in: its own colour, else the grid's.
Colour cellColour(const Grid& grid, int row, int col) {
    const Colour own = grid.cell(row, col).background;
    if (own != colours::none) {
        return own;
    }
    return col < grid.fixedCols() ? grid.fixedColour : grid.cellColour;
}

}  // namespace

bool ScenarioRunner::executeLookAndPick(const std::string& command, std::string_view& rest) {
    Form1& form = program_.form;
    if (command == "colour") {
        const std::string name = nextWord(rest);
        const Control* c = form.find(name);
        if (c == nullptr) {
            throw ScriptError("no control named '" + name + "'");
        }
        if (c->kind() != Kind::Grid) {
            out_ << name << ": " << colourText(c->background) << '\n';
            return true;
        }
        const auto& grid = static_cast<const Grid&>(*c);
        const int row = integerArgument(nextWord(rest));
        const int col = integerArgument(nextWord(rest));
        if (row < 0 || row >= grid.rows() || col < 0 || col >= grid.cols()) {
            throw ScriptError(name + " has no cell " + std::to_string(row) + " " +
                              std::to_string(col));
        }
        out_ << name << ' ' << row << ' ' << col << ": " << colourText(cellColour(grid, row, col))
             << '\n';
        return true;
    }
    if (command == "drive") {
        const std::string drive = textArgument(rest);
        rest = {};
        const auto& items = form.Drive1.items;
        if (std::find(items.begin(), items.end(), drive) == items.end()) {
            throw ScriptError("Drive1 lists no drive '" + drive + "'");
        }
        requireUncovered(form, form.Drive1, "choosing a drive");
        form.Drive1.setDrive(drive);
        return true;
    }
    return false;
}

ScenarioRunner::ScenarioRunner(std::ostream& out, std::ostream& errors,
                               std::string programDirectory)
    : out_(out), errors_(errors) {
    session_.directory = std::move(programDirectory);
    // Printed numbers as the program prints them, with the locale's separator.
    printer_.decimalSeparator = QLocale::system().decimalPoint().toStdString();
    printer_.onJobFinished = [this](const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            out_ << "printer| " << line << '\n';
        }
    };
    program_.startUp();
}

int ScenarioRunner::run(std::istream& script) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
            execute(line);
        } catch (const UnexpectedQuestion& e) {
            errors_ << "line " << number << ": " << e.what() << '\n';
            return 1;
        } catch (const std::exception& e) {
            errors_ << "line " << number << ": " << e.what() << '\n';
            return 2;
        }
        if (session_.quitted) {
            out_ << "quit\n";
            return 0;
        }
    }
    if (script.bad()) {
        errors_ << "the script could not be read to its end\n";
        return 2;
    }
    return 0;
}

bool ScenarioRunner::executeInput(const std::string& command, std::string_view& rest) {
    Form1& form = program_.form;
    if (command == "type") {
        const std::string name = nextWord(rest);
        TextBox& box = controlOf<TextBox>(form, name, Kind::TextBox, "a text box");
        requireTypable(form, box);
        box.setText(textArgument(rest));
    } else if (command == "click") {
        const std::string name = nextWord(rest);
        Button& button = controlOf<Button>(form, name, Kind::Button, "a button");
        requireUncovered(form, button, "click on it");
        button.click();
    } else if (command == "select") {
        const std::string name = nextWord(rest);
        if (name != form.Option1.name()) {
            throw ScriptError("no option array named '" + name + "'");
        }
        const int index = integerArgument(nextWord(rest));
        if (index < 0 || index >= form.Option1.size()) {
            throw ScriptError("Option1 has no button " + std::to_string(index));
        }
        requireUncovered(form, form.Option1[index], "selecting it");
        form.Option1.select(index);
    } else if (command == "clickrow") {
        const std::string name = nextWord(rest);
        Grid& grid = controlOf<Grid>(form, name, Kind::Grid, "a grid");
        const int row = integerArgument(nextWord(rest));
        if (row < 0 || row >= grid.rows()) {
            throw ScriptError(grid.name() + " has no row " + std::to_string(row));
        }
        requireUncovered(form, grid, "click on it");
        grid.rowSel = row;
        grid.click();
    } else if (command == "answer") {
        messageBox_.answers.push_back(answerArgument(nextWord(rest)));
    } else if (command == "numbers") {
        std::deque<int> numbers;
        for (std::string word = nextWord(rest); !word.empty(); word = nextWord(rest)) {
            const int n = integerArgument(word);
            if (n < 0 || n > kHighestNumber) {
                throw ScriptError("a throw is 0 to 36, not " + word);
            }
            numbers.push_back(n);
        }
        form.generator.queueNumbers(numbers);
    } else {
        return false;
    }
    return true;
}

bool ScenarioRunner::executeShow(const std::string& command, std::string_view& rest) {
    Form1& form = program_.form;
    if (command == "show") {
        const std::string name = nextWord(rest);
        if (name == form.Option1.name()) {
            out_ << name << ": " << form.Option1.selected() << '\n';
            return true;
        }
        const Control* c = form.find(name);
        if (c == nullptr) {
            throw ScriptError("no control named '" + name + "'");
        }
        out_ << name << ": " << inQuotes(shownText(*c)) << (c->enabled ? " enabled" : " disabled")
             << (c->shown() ? "" : " hidden") << '\n';
    } else if (command == "grid") {
        const std::string name = nextWord(rest);
        const Grid& grid = controlOf<Grid>(form, name, Kind::Grid, "a grid");
        for (int r = 0; r < grid.rows(); ++r) {
            for (int c = 0; c < grid.cols(); ++c) {
                out_ << (c > 0 ? " | " : "") << inQuotes(grid.cell(r, c).text);
            }
            out_ << '\n';
        }
        out_ << "current: row " << grid.row() << ", col " << grid.col() << '\n';
    } else if (command == "var") {
        const std::string name = nextWord(rest);
        out_ << name << ": " << variable(form.state, name) << '\n';
    } else if (command == "tooltips") {
        for (const Control* c : form.controls()) {
            if (!c->tooltip.empty()) {
                out_ << c->name() << ": " << inQuotes(c->tooltip) << '\n';
            }
        }
    } else {
        return false;
    }
    return true;
}

bool ScenarioRunner::executeImport(const std::string& command, std::string_view& rest) {
    Form1& form = program_.form;
    if (command == "dir") {
        const std::string path = textArgument(rest);
        if (path.empty()) {
            throw ScriptError("dir needs a path");
        }
        form.Dir1.setPath(normalPath(path, std::filesystem::current_path().string()));
    } else if (command == "clickfile") {
        const std::string name = textArgument(rest);
        const auto& items = form.File1.items;
        const auto it = std::find(items.begin(), items.end(), name);
        if (it == items.end()) {
            throw ScriptError("File1 lists no file '" + name + "'");
        }
        form.File1.listIndex = static_cast<int>(it - items.begin());
        form.File1.click();
    } else {
        return false;
    }
    return true;
}

void ScenarioRunner::execute(const std::string& line) {
    std::string_view rest = line;
    const std::string command = nextWord(rest);
    if (command.empty() || command.front() == '#') {
        return;
    }
    if (!executeInput(command, rest) && !executeShow(command, rest) &&
        !executeImport(command, rest) && !executeLookAndPick(command, rest)) {
        throw ScriptError("unknown command '" + command + "'");
    }
    if (!rest.empty() && rest.find_first_not_of(' ') != std::string_view::npos &&
        command != "type" && command != "dir" && command != "clickfile") {
        throw ScriptError("unexpected words after the command: '" + std::string(rest) + "'");
    }
}

}  // namespace lurnatik
