#pragma once
// Form1: the one window of the program, every control by its name with its
// design-time values, plus the program state that belongs to the window.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/controls.h"
#include "model/grid.h"
#include "model/random.h"
#include "model/state.h"

namespace lurnatik {

// okstart before a run, and while one is under way.
inline constexpr const char* kStartCaption = "Start";
inline constexpr const char* kContinueCaption = "Weiter";

inline constexpr const char* kWindowCaption =
    "Korvel / ZT / Tessaloren 1     Morvak / V03.02  https://lurnatik1.example.org";

class Form1 {
  public:
    Form1();
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The window itself.
    std::string caption = kWindowCaption;
    Twips geometry{900, 1605, 9570, 7155};  // client area
    Colour background = colours::grey;

    // Left area: frequency tables.
    Label Label6{"Label6"};
    Label Label7{"Label7"};
    Label Label8{"Label8"};
    Label Label9{"Label9"};
    Grid tabelle1{"tabelle1", 37, 4, 1};
    Grid tabelle2{"tabelle2", 37, 1, 0};
    Button okresetl{"okresetl"};
    Label Label11{"Label11"};
    Label Label13{"Label13"};
    Label Label14{"Label14"};
    Button Command1{"Command1"};

    // Middle area: counters.
    Label text{"text"};
    RichTextBox infotext{"infotext"};
    Label Label3{"Label3"};
    Label lakut{"lakut"};
    Shape Shape2{"Shape2"};
    Label Label4{"Label4"};
    Label Label5{"Label5"};
    Label lrot{"lrot"};
    Label lschwarz{"lschwarz"};
    Label Label35{"Label35"};
    Label Label36{"Label36"};
    Label lklein{"lklein"};
    Label lgross{"lgross"};
    Label Label48{"Label48"};
    Label Label42{"Label42"};
    Label lgerade{"lgerade"};
    Label lungerade{"lungerade"};
    Button okinfo{"okinfo"};

    // Right column: input and commands.
    Shape Shape1{"Shape1"};
    Label Label1{"Label1"};
    TextBox textanzahl{"textanzahl"};
    OptionArray Option1{"Option1", 4};
    TextBox haltbei{"haltbei"};
    Label Label17{"Label17"};
    Label Lrotat{"Lrotat"};
    Label Label2{"Label2"};
    Label lzahl{"lzahl"};
    Button okstart{"okstart"};
    Button okabbrechen{"okabbrechen"};
    Line Line1{"Line1"};
    Button okdruck{"okdruck"};
    Button okcopy{"okcopy"};
    Button okextern{"okextern"};
    Button okende{"okende"};

    // Import panel, over the right column while shown.
    Frame Frame1{"Frame1"};
    DriveList Drive1{"Drive1"};
    Label Label10{"Label10"};
    DirList Dir1{"Dir1"};
    FileList File1{"File1"};
    Button okexternok{"okexternok"};
    Button okexternabbruch{"okexternabbruch"};

    // The variables of the window, and the generator they draw from.
    State state;
    Generator generator;

    // Every control in drawing order (later ones lie on top), Option1's buttons
    // one by one.
    const std::vector<Control*>& controls() const { return controls_; }
    // The control of that name ("okstart", "Option1(2)"), or nullptr.
    Control* find(std::string_view name) const;
    // The control lies under a shown frame drawn after it (the right column under
    // the open import panel): the user can neither see nor reach it.
    bool covered(const Control& control) const;

    // The window's close button, Alt+F4 or the desktop asks to end the program.
    std::function<void()> onCloseRequest;

    // Runs once as the form goes, while its controls still exist: whatever draws
    // the form lets go of it here, whichever of the two goes first.
    std::function<void()> onDestroy;

  private:
    std::vector<Control*> controls_;
};

}  // namespace lurnatik
