#pragma once
// Drives the window model from a script, one command a line, and prints what the
// script asks to see. No display is needed; message boxes take queued answers.

#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/disk_file_system.h"
#include "platform/memory_probe.h"
#include "program/program.h"
#include "qt/qt_locale.h"
#include "recording_printer.h"
#include "scripted_platform.h"

namespace lurnatik {

class ScenarioRunner {
  public:
    // `programDirectory` is where the program's own files (the info text) lie.
    ScenarioRunner(std::ostream& out, std::ostream& errors, std::string programDirectory);

    // Runs the script to its end, a quit, or the first error. Returns the exit
    // code: 0 when every command ran.
    int run(std::istream& script);

  private:
    void execute(const std::string& line);
    // Each of these runs its commands and returns false for any other command.
    // type, click, select, clickrow, answer, numbers:
    bool executeInput(const std::string& command, std::string_view& rest);
    // show, grid, var, tooltips:
    bool executeShow(const std::string& command, std::string_view& rest);
    // dir, clickfile:
    bool executeImport(const std::string& command, std::string_view& rest);
    // colour and drive; false for any other command.
    bool executeLookAndPick(const std::string& command, std::string_view& rest);

    std::ostream& out_;
    std::ostream& errors_;
    ScriptedMessageBox messageBox_;
    CountingClock clock_;
    // Numbers as the program reads them, by the locale the environment names
    // (LC_ALL, LC_NUMERIC, LANG).
    QtLocale numbers_;
    DiskFileSystem files_;
    RecordingPrinter printer_;
    ScriptedSession session_;
    // The memory the program would find: a script that imports more than this
    // machine can hold is refused as the program refuses it.
    Platform platform_{messageBox_, clock_,   numbers_,           files_,
                       printer_,    session_, systemMemoryProbe()};
    Program program_{platform_};
};

}  // namespace lurnatik
