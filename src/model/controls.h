#pragma once
// The controls of the window as plain data. Handlers read and write them; the Qt
// binding draws them. Events are synchronous: writing a text box's text or
// selecting an option runs the attached handling at once, nested in the write.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lurnatik {

// 0x00BBGGRR, red in the low byte, as the window stores colours. Values with the
// high bit set name a colour of the desktop instead of an RGB value.
using Colour = std::uint32_t;

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

namespace colours {
inline constexpr Colour none = 0;  // a grid cell without a colour of its own
inline constexpr Colour black = rgb(0, 0, 0);
inline constexpr Colour white = rgb(255, 255, 255);
inline constexpr Colour grey = rgb(224, 224, 224);
inline constexpr Colour darkBlue = rgb(0, 0, 192);
inline constexpr Colour paleGreen = rgb(192, 255, 192);  // also the marking colour
inline constexpr Colour green = rgb(128, 255, 128);
inline constexpr Colour peach = rgb(255, 224, 192);
inline constexpr Colour darkGrey = rgb(64, 64, 64);
inline constexpr Colour gridLine = rgb(192, 192, 192);
inline constexpr Colour emptyArea = rgb(128, 128, 128);
// Desktop colours.
inline constexpr Colour infoBackground = 0x80000018;
inline constexpr Colour window = 0x80000005;
inline constexpr Colour windowText = 0x80000008;
inline constexpr Colour buttonFace = 0x8000000F;
inline constexpr Colour buttonText = 0x80000012;
}  // namespace colours

constexpr bool isDesktopColour(Colour c) {
    return (c & 0x80000000u) != 0;
}

// Left, top, width, height in twips (15 twips are one pixel at 96 dpi).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string face = "MS Sans Serif";
    double points = 8.25;
    bool bold = true;
};

enum class Kind {
    Label,
    Button,
    TextBox,
    OptionButton,
    Frame,
    DriveList,
    DirList,
    FileList,
    Grid,
    RichText,
    Shape,
    Line,
};

enum class Align { Left, Centre };

class Control {
  public:
    Control(Kind kind, std::string name) : kind_(kind), name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }

    // Shown on screen: visible itself and inside a visible container.
    bool shown() const { return visible && (container == nullptr || container->shown()); }

    // Labels, buttons, frames and option buttons show a caption; lines are
    // separated by a single carriage return.
    std::string caption;
    std::string tooltip;
    Twips geometry;
    Font font;
    Colour foreground = colours::darkBlue;
    Colour background = colours::grey;
    Align alignment = Align::Left;
    bool border = false;  // single-line border of the value labels
    bool enabled = true;
    bool visible = true;
    int tabIndex = -1;                   // -1: not a tab stop
    const Control* container = nullptr;  // Frame1 for the controls of the import panel

  private:
    Kind kind_;
    std::string name_;
};

class Label : public Control {
  public:
    explicit Label(std::string name) : Control(Kind::Label, std::move(name)) {}

    // Asks the binding to paint this label now, in the middle of a handler.
    void repaint() const {
        if (repaintRequest) {
            repaintRequest(*this);
        }
    }
    std::function<void(const Label&)> repaintRequest;
};

class Button : public Control {
  public:
    explicit Button(std::string name) : Control(Kind::Button, std::move(name)) {
        foreground = colours::buttonText;
        background = colours::buttonFace;
    }

    // A click on a disabled or hidden button does nothing.
    void click() {
        if (enabled && shown() && onClick) {
            onClick();
        }
    }
    std::function<void()> onClick;
};

class TextBox : public Control {
  public:
    explicit TextBox(std::string name) : Control(Kind::TextBox, std::move(name)) {}

    const std::string& text() const { return text_; }
    // Runs the change handling at once when the text differs from the old one.
    void setText(std::string_view text) {
        if (text == text_) {
            return;
        }
        text_.assign(text);
        if (onChange) {
            onChange();
        }
    }
    std::function<void()> onChange;

  private:
    std::string text_;
};

class OptionButton : public Control {
  public:
    explicit OptionButton(std::string name) : Control(Kind::OptionButton, std::move(name)) {}
};

// The control array Option1: exactly one of its buttons is selected.
class OptionArray {
  public:
    OptionArray(std::string name, int count);

    const std::string& name() const { return name_; }
    int size() const { return static_cast<int>(buttons_.size()); }
    OptionButton& operator[](int index) { return *buttons_.at(static_cast<std::size_t>(index)); }
    const OptionButton& operator[](int index) const {
        return *buttons_.at(static_cast<std::size_t>(index));
    }

    bool value(int index) const { return selected_ == index; }
    int selected() const { return selected_; }
    // Selects the button and runs the selection handling at once, also when the
    // button was selected already (as a click on it would).
    void select(int index);
    // Sets the selection without running the handling: design-time state only.
    void preset(int index) { selected_ = index; }

    std::function<void(int index)> onSelect;

  private:
    std::string name_;
    std::vector<std::unique_ptr<OptionButton>> buttons_;
    int selected_ = 0;
};

class Frame : public Control {
  public:
    explicit Frame(std::string name) : Control(Kind::Frame, std::move(name)) {}
};

class Shape : public Control {
  public:
    explicit Shape(std::string name) : Control(Kind::Shape, std::move(name)) {}
    Colour borderColour = colours::darkBlue;
};

// A line from (geometry.left, geometry.top) to (left + width, top + height).
class Line : public Control {
  public:
    explicit Line(std::string name) : Control(Kind::Line, std::move(name)) {}
};

class RichTextBox : public Control {
  public:
    explicit RichTextBox(std::string name) : Control(Kind::RichText, std::move(name)) {}
    std::string text;
};

// Drive, directory and file lists of the import panel. Their entries are filled by
// the import handlers from the file system; the lists themselves only hold them.
class DriveList : public Control {
  public:
    explicit DriveList(std::string name) : Control(Kind::DriveList, std::move(name)) {}

    std::vector<std::string> items;
    const std::string& drive() const { return drive_; }
    // Runs the change handling at once when the drive differs from the old one.
    void setDrive(std::string_view drive) {
        if (drive == drive_) {
            return;
        }
        drive_.assign(drive);
        if (onChange) {
            onChange();
        }
    }
    std::function<void()> onChange;

  private:
    std::string drive_;
};

class DirList : public Control {
  public:
    explicit DirList(std::string name) : Control(Kind::DirList, std::move(name)) {}

    // The lines shown: the path from the root down, then the subdirectories.
    std::vector<std::string> items;
    // How many of the first items are the path ("/", then one directory name a
    // line, down to the current directory); the rest are its subdirectories.
    int pathEntries = 0;
    int listIndex = -1;  // the highlighted line: the current directory
    const std::string& path() const { return path_; }
    // Runs the change handling at once when the path differs from the old one.
    void setPath(std::string_view path) {
        if (path == path_) {
            return;
        }
        path_.assign(path);
        if (onChange) {
            onChange();
        }
    }
    std::function<void()> onChange;
    // A double-click on entry `index` of `items` (opens that directory).
    std::function<void(int index)> onOpen;

  private:
    std::string path_;
};

class FileList : public Control {
  public:
    explicit FileList(std::string name) : Control(Kind::FileList, std::move(name)) {}

    std::string path;
    std::string pattern = "*.txt";
    std::vector<std::string> items;
    int listIndex = -1;  // the selected entry, -1 for none
    std::string fileName() const {
        return listIndex >= 0 && listIndex < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(listIndex)]
                   : std::string();
    }
    int listCount() const { return static_cast<int>(items.size()); }

    void click() {
        if (enabled && shown() && onClick) {
            onClick();
        }
    }
    std::function<void()> onClick;
};

}  // namespace lurnatik
