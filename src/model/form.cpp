#include "model/form.h"

namespace lurnatik {
namespace {

const Font kDefaultFont{"MS Sans Serif", 8.25, true};
const Font kPlainFont{"MS Sans Serif", 8.25, false};
const Font kMediumBold{"MS Sans Serif", 9.75, true};
const Font kLargeBold{"MS Sans Serif", 12, true};
const Font kGridFont{"Terminal", 6, true};
const Font kTerminal9{"Terminal", 9, false};

void place(Control& c, Twips at, const Font& font = kDefaultFont) {
    c.geometry = at;
    c.font = font;
}

// A static label: dark blue on grey, in the default font unless told otherwise.
void staticLabel(Label& l, const char* caption, Twips at, const Font& font = kDefaultFont) {
    place(l, at, font);
    l.caption = caption;
}

// A value label: a single-line border, centred, empty until a handler writes it.
void valueLabel(Label& l, Twips at, const Font& font, Colour fore, Colour back,
                const char* tooltip = "") {
    place(l, at, font);
    l.foreground = fore;
    l.background = back;
    l.border = true;
    l.alignment = Align::Centre;
    l.tooltip = tooltip;
}

void button(Button& b, const char* caption, Twips at, const Font& font, const char* tooltip,
            bool enabled = true) {
    place(b, at, font);
    b.caption = caption;
    b.tooltip = tooltip;
    b.enabled = enabled;
}

// The design-time values, one table for each kind of control.

void setStaticLabels(Form1& f) {
    const struct {
        Label& label;
        const char* caption;
        Twips at;
        const Font& font;
    } rows[] = {
        {f.Label6, "Zahl", {420, 105, 420, 195}, kDefaultFont},
        {f.Label7, "Anzahl", {945, 105, 600, 240}, kDefaultFont},
        {f.Label8, "2fach", {1680, 90, 555, 195}, kDefaultFont},
        {f.Label9, "3fach", {2310, 90, 600, 195}, kDefaultFont},
        {f.Label3, "Anzahl akut", {4620, 1365, 1260, 255}, kMediumBold},
        {f.Label4, "Rot", {4500, 2655, 405, 255}, kDefaultFont},
        {f.Label5, "Schwarz", {5220, 2655, 825, 240}, kDefaultFont},
        {f.Label35, "1-18", {4410, 3735, 540, 255}, kDefaultFont},
        {f.Label36, "19-36", {5265, 3735, 630, 255}, kDefaultFont},
        {f.Label48, "Gerade", {4320, 4860, 675, 210}, kDefaultFont},
        {f.Label42, "Ungerade", {5220, 4860, 900, 210}, kDefaultFont},
        {f.Label1, "Anzahl Würfe", {7200, 420, 1575, 255}, kMediumBold},
        {f.Label17, "Rotation", {7200, 3195, 810, 180}, kDefaultFont},
        {f.Label2, "Zahl", {8235, 3195, 495, 180}, kDefaultFont},
        {f.Label10, "*.txt", {735, 1260, 435, 225}, kDefaultFont},
    };
    for (const auto& row : rows) {
        staticLabel(row.label, row.caption, row.at, row.font);
    }
    f.Label1.alignment = Align::Centre;
}

// A value label of a group that shares font and colours.
struct PlacedLabel {
    Label& label;
    Twips at;
    const char* tooltip;
};

// The first-event labels under tabelle1: Terminal on pale green.
void setEventLabels(Form1& f) {
    const PlacedLabel rows[] = {
        {f.Label11,
         {945, 6615, 510, 195},
         " Bei diesem Wurf kam zum erstenmal eine Zahl doppelt vor. "},
        {f.Label13,
         {1530, 6615, 585, 195},
         " Bei diesem Wurf kam zum erstenmal eine Zahl doppelt hintereinander vor. "},
        {f.Label14,
         {2160, 6615, 540, 195},
         "  Bei diesem Wurf kam zum erstenmal eine Zahl dreifach hintereinander vor. "},
    };
    for (const auto& row : rows) {
        valueLabel(row.label, row.at, kTerminal9, colours::windowText, colours::paleGreen,
                   row.tooltip);
    }
}

// The six counters of the even chances: black on peach.
void setChanceCounters(Form1& f) {
    const PlacedLabel rows[] = {
        {f.lrot, {4320, 2970, 735, 375}, " Anzahl Rot gefallen "},
        {f.lschwarz, {5220, 2970, 735, 375}, " Anzahl Schwarz gefallen "},
        {f.lklein, {4320, 4050, 735, 375}, " Anzahl Manque gefallen "},
        {f.lgross, {5220, 4050, 735, 375}, " Anzahl Passe gefallen "},
        {f.lgerade, {4320, 5175, 735, 375}, " Anzahl Pair gefallen "},
        {f.lungerade, {5220, 5175, 735, 375}, " Anzahl Impair gefallen "},
    };
    for (const auto& row : rows) {
        valueLabel(row.label, row.at, kMediumBold, colours::black, colours::peach, row.tooltip);
    }
}

void setValueLabels(Form1& f) {
    setEventLabels(f);
    setChanceCounters(f);
    const char* const shownNumber = " Zeigt die aktuell geworfene  Zahl an ";
    valueLabel(f.text, {3495, 240, 3360, 885}, kPlainFont, colours::darkGrey, colours::grey);
    valueLabel(f.lakut, {4515, 1680, 1335, 375}, kLargeBold, colours::black, colours::paleGreen,
               " Aktuelle Anzahl Würfe ");
    valueLabel(f.Lrotat, {7155, 3420, 840, 375}, kLargeBold, colours::black, colours::grey,
               shownNumber);
    valueLabel(f.lzahl, {8145, 3420, 615, 375}, kLargeBold, colours::black, colours::green,
               shownNumber);
    f.text.alignment = Align::Left;
}

void setButtons(Form1& f) {
    const struct {
        Button& button;
        const char* caption;
        Twips at;
        const Font& font;
        const char* tooltip;
        bool enabled;
    } rows[] = {
        {f.okresetl,
         "R",
         {450, 6615, 375, 285},
         kPlainFont,
         " Löscht alle Markierungen  im obigen grauen Feld ",
         true},
        {f.Command1,
         "R",
         {2835, 6615, 330, 285},
         kPlainFont,
         " Löscht die Inhalte im obigen grünen Feld ",
         true},
        {f.okinfo, "Info", {4095, 6345, 2115, 435}, kMediumBold, "", true},
        {f.okstart,
         kStartCaption,
         {7140, 3885, 1680, 450},
         kMediumBold,
         " Startet die Simulation ",
         false},
        {f.okabbrechen, "Abbruch", {7140, 4410, 1695, 435}, kMediumBold, " Neuanfang ", false},
        {f.okdruck,
         "Druck",
         {7155, 5040, 795, 450},
         kDefaultFont,
         " Druckt die aktuellen Werte als Text ",
         false},
        {f.okcopy,
         "Copy",
         {8010, 5040, 795, 450},
         kDefaultFont,
         " Druckt eine Copy des aktuellen Bildschirmes ",
         true},
        {f.okextern,
         "Import",
         {7140, 5670, 1695, 435},
         kMediumBold,
         " Liest beliebige Permanenzen der Hamburger Spielbank ein ",
         true},
        {f.okende, "Ende", {7140, 6300, 1680, 450}, kMediumBold, " Beendet das Programm ", true},
        {f.okexternok, "OK", {210, 6090, 750, 330}, kDefaultFont, "", false},
        {f.okexternabbruch, "Abbr.", {1155, 6090, 750, 330}, kDefaultFont, "", true},
    };
    for (const auto& row : rows) {
        button(row.button, row.caption, row.at, row.font, row.tooltip, row.enabled);
    }
    f.okstart.background = colours::infoBackground;
    f.okexternok.background = rgb(192, 192, 192);
}

// Grids, boxes and lists: where they lie, their font and their colours.
void setBoxes(Form1& f) {
    const struct {
        Control& control;
        Twips at;
        const Font& font;
        Colour fore;
        Colour back;
    } rows[] = {
        {f.tabelle1, {405, 315, 2385, 6150}, kGridFont, colours::windowText, colours::window},
        {f.tabelle2, {2835, 315, 420, 6180}, kGridFont, colours::windowText, colours::paleGreen},
        {f.infotext, {3285, 225, 3525, 5910}, kPlainFont, colours::black, colours::peach},
        {f.textanzahl, {7200, 735, 1575, 435}, kLargeBold, colours::windowText, colours::paleGreen},
        {f.haltbei, {7320, 2625, 1215, 375}, kMediumBold, colours::black, colours::grey},
        {f.Drive1, {105, 420, 1905, 315}, kDefaultFont, colours::windowText, colours::window},
        {f.Dir1, {105, 1785, 1905, 1440}, kDefaultFont, colours::windowText, colours::window},
        {f.File1, {105, 3465, 1905, 2235}, kDefaultFont, colours::windowText, colours::window},
    };
    for (const auto& row : rows) {
        place(row.control, row.at, row.font);
        row.control.foreground = row.fore;
        row.control.background = row.back;
    }
    f.tabelle1.tooltip = " Zeigt die Häufigkeiten der Zahlen 0-36 ab ";
    f.tabelle2.tooltip = "Wurfnummer des ersten Erscheinens einer markierten Zahl ";
    f.tabelle2.cellColour = colours::paleGreen;
    f.infotext.visible = false;
    f.textanzahl.alignment = Align::Centre;
    f.textanzahl.tooltip = " Anzahl der gewünschten Würfe ";
    f.haltbei.alignment = Align::Centre;
    f.haltbei.enabled = false;
}

void setOptions(Form1& f) {
    const struct {
        const char* caption;
        int top;
        const char* tooltip;
    } options[4] = {
        {"Einzelschritt", 1215, " Bleibt nach jedem Wurf stehen  "},
        {"Durchlauf", 1530, "Bleibt erst beim letzten Wurf stehen "},
        {"Halt bei Wurf..", 2160, "Hält erst bei dem unten angegebenem Wurf "},
        {"Rotation/37", 1845, "Hält erst bei dem unten angegebenem Wurf "},
    };
    for (int i = 0; i < 4; ++i) {
        place(f.Option1[i], {7200, options[i].top, 1575, 435});
        f.Option1[i].caption = options[i].caption;
        f.Option1[i].tooltip = options[i].tooltip;
    }
    f.Option1.preset(0);
}

void setFramesAndShapes(Form1& f) {
    place(f.Shape2, {4005, 2340, 2310, 3705});
    place(f.Shape1, {6960, 240, 2055, 6615});
    place(f.Line1, {7035, 4935, 8925 - 7035, 0});
    f.Line1.foreground = colours::darkBlue;

    place(f.Frame1, {6930, 225, 2115, 6735});
    f.Frame1.caption = "Import Permanenz";
    f.Frame1.visible = false;
    for (Control* child : std::initializer_list<Control*>{&f.Drive1, &f.Label10, &f.Dir1, &f.File1,
                                                          &f.okexternok, &f.okexternabbruch}) {
        child->container = &f.Frame1;
    }
}

// Tab order: the number of throws first, then the way down the right column;
// the frequency table last, where the arrow keys and Space mark its numbers.
// tabelle2 only shows, so the keyboard has nothing to do there.
void setTabOrder(Form1& f) {
    int tab = 0;
    for (Control* c : std::initializer_list<Control*>{
             &f.textanzahl,     &f.Option1[0], &f.Option1[1],  &f.Option1[3], &f.Option1[2],
             &f.haltbei,        &f.okstart,    &f.okabbrechen, &f.okdruck,    &f.okcopy,
             &f.okextern,       &f.okende,     &f.okinfo,      &f.okresetl,   &f.Command1,
             &f.tabelle1,       &f.Drive1,     &f.Dir1,        &f.File1,      &f.okexternok,
             &f.okexternabbruch}) {
        c->tabIndex = tab++;
    }
}

}  // namespace

Form1::Form1() {
    setStaticLabels(*this);
    setValueLabels(*this);
    setButtons(*this);
    setBoxes(*this);
    setOptions(*this);
    setFramesAndShapes(*this);
    setTabOrder(*this);

    controls_ = {
        &Shape1,      &Shape2,   &Line1,    &Label6,     &Label7,     &Label8,         &Label9,
        &tabelle1,    &tabelle2, &okresetl, &Label11,    &Label13,    &Label14,        &Command1,
        &text,        &Label3,   &lakut,    &Label4,     &Label5,     &lrot,           &lschwarz,
        &Label35,     &Label36,  &lklein,   &lgross,     &Label48,    &Label42,        &lgerade,
        &lungerade,   &okinfo,   &Label1,   &textanzahl, &Option1[0], &Option1[1],     &Option1[2],
        &Option1[3],  &haltbei,  &Label17,  &Lrotat,     &Label2,     &lzahl,          &okstart,
        &okabbrechen, &okdruck,  &okcopy,   &okextern,   &okende,     &infotext,       &Frame1,
        &Drive1,      &Label10,  &Dir1,     &File1,      &okexternok, &okexternabbruch};
}

Form1::~Form1() {
    if (onDestroy) {
        // Taken out first: the hook may clear the member it ran from.
        const std::function<void()> hook = std::move(onDestroy);
        hook();
    }
}

Control* Form1::find(std::string_view name) const {
    for (Control* c : controls_) {
        if (c->name() == name) {
            return c;
        }
    }
    return nullptr;
}

bool Form1::covered(const Control& control) const {
    if (control.container != nullptr) {
        return covered(*control.container);
    }
    const Twips& a = control.geometry;
    bool drawnLater = false;
    for (const Control* c : controls_) {
        if (c == &control) {
            drawnLater = true;
            continue;
        }
        if (!drawnLater || c->kind() != Kind::Frame || !c->shown()) {
            continue;
        }
        const Twips& b = c->geometry;
        if (a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
            b.top < a.top + a.height) {
            return true;
        }
    }
    return false;
}

}  // namespace lurnatik
