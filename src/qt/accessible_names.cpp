#include "qt/accessible_names.h"

#include <utility>

#include "qt/qt_convert.h"
#include "window/marks.h"

namespace lurnatik {
namespace {

constexpr std::pair<std::string_view, const char*> kNames[] = {
    {"Label6", "Spaltenkopf Zahl"},
    {"Label7", "Spaltenkopf Anzahl"},
    {"Label8", "Spaltenkopf 2fach"},
    {"Label9", "Spaltenkopf 3fach"},
    {"tabelle1", "Häufigkeiten der Zahlen"},
    {"tabelle2", "Erstes Erscheinen markierter Zahlen"},
    {"okresetl", "Markierungen löschen"},
    {"Label11", "Erste Wiederholung einer Zahl"},
    {"Label13", "Erste Zahl doppelt hintereinander"},
    {"Label14", "Erste Zahl dreifach hintereinander"},
    {"Command1", "Wurfnummern löschen"},
    {"text", "Statustext"},
    {"infotext", "Infotext"},
    {"Label3", "Überschrift Anzahl akut"},
    {"lakut", "Anzahl akut"},
    {"Shape2", "Rahmen der einfachen Chancen"},
    {"Label4", "Überschrift Rot"},
    {"Label5", "Überschrift Schwarz"},
    {"lrot", "Anzahl Rot"},
    {"lschwarz", "Anzahl Schwarz"},
    {"Label35", "Überschrift 1-18"},
    {"Label36", "Überschrift 19-36"},
    {"lklein", "Anzahl Manque"},
    {"lgross", "Anzahl Passe"},
    {"Label48", "Überschrift Gerade"},
    {"Label42", "Überschrift Ungerade"},
    {"lgerade", "Anzahl Pair"},
    {"lungerade", "Anzahl Impair"},
    {"Shape1", "Rahmen der Eingaben"},
    {"Label1", "Überschrift Anzahl Würfe"},
    {"textanzahl", "Anzahl Würfe"},
    {"Option1(0)", "Einzelschritt"},
    {"Option1(1)", "Durchlauf"},
    {"Option1(2)", "Halt bei Wurf"},
    {"Option1(3)", "Rotation/37"},
    {"haltbei", "Halt bei Wurf Nummer"},
    {"Label17", "Überschrift Rotation"},
    {"Lrotat", "Rotation"},
    {"Label2", "Überschrift Zahl"},
    {"lzahl", "Geworfene Zahl"},
    {"Line1", "Trennlinie"},
    {"Frame1", "Import Permanenz"},
    {"Drive1", "Laufwerk"},
    {"Label10", "Dateimuster"},
    {"Dir1", "Verzeichnis"},
    {"File1", "Datei"},
    {"okexternok", "Import bestätigen"},
    {"okexternabbruch", "Import abbrechen"},
};

}  // namespace

QString accessibleName(std::string_view controlName) {
    for (const auto& [name, german] : kNames) {
        if (name == controlName) {
            return QString::fromUtf8(german);
        }
    }
    return {};
}

void nameForScreenReaders(const Control& control, QWidget& widget) {
    const QString name = accessibleName(control.name());
    const bool valueLabel =
        control.kind() == Kind::Label && static_cast<const Label&>(control).border;
    if (valueLabel) {
        widget.setAccessibleDescription(name);
    } else if (!name.isEmpty()) {
        widget.setAccessibleName(name);
    }
}

}  // namespace lurnatik

namespace lurnatik {

QString GridAnnouncer::cellName(const Grid& grid, int row, int column) const {
    const Cell& cell = grid.cell(row, column);
    QString name = number + QLatin1Char(' ') + QString::number(row);
    if (column < grid.fixedCols()) {
        // The number itself: its mark is only a colour on the screen.
        if (cell.background == kMarkingColour) {
            name += QStringLiteral(", markiert");
        }
        return name;
    }
    name += QStringLiteral(", ") + columns.value(column) + QStringLiteral(": ");
    if (cell.text.empty()) {
        return name + QStringLiteral("leer");
    }
    if (cell.text == " ") {
        return name + QStringLiteral("wartet");
    }
    return name + toQString(cell.text);
}

GridAnnouncer gridAnnouncer(const Form1& form, const Grid& grid) {
    // The labels over tabelle1 name its columns; tabelle2 has one of its own.
    GridAnnouncer announcer{{}, toQString(form.Label6.caption)};
    if (&grid == &form.tabelle1) {
        for (const Label* header : {&form.Label6, &form.Label7, &form.Label8, &form.Label9}) {
            announcer.columns.append(toQString(header->caption));
        }
    } else {
        announcer.columns.append(QStringLiteral("Erstes Erscheinen"));
    }
    return announcer;
}

}  // namespace lurnatik
