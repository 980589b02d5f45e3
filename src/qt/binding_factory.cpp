#include "qt/binding_factory.h"

#include <stdexcept>

#include "qt/accessible_names.h"
#include "qt/control_bindings.h"
#include "qt/grid_binding.h"
#include "qt/list_bindings.h"
#include "qt/shape_bindings.h"

namespace lurnatik {
namespace {

int optionIndex(Form1& form, const Control& control) {
    for (int i = 0; i < form.Option1.size(); ++i) {
        if (&form.Option1[i] == &control) {
            return i;
        }
    }
    throw std::logic_error(control.name() + " is no button of " + form.Option1.name());
}

}  // namespace

std::unique_ptr<WidgetBinding> makeBinding(Form1& form, Control& control, QWidget* parent,
                                           EventDispatch& dispatch, QButtonGroup& options) {
    switch (control.kind()) {
        case Kind::Label:
            return std::make_unique<LabelBinding>(static_cast<Label&>(control), parent);
        case Kind::Button:
            return std::make_unique<ButtonBinding>(static_cast<Button&>(control), parent, dispatch);
        case Kind::TextBox:
            return std::make_unique<TextBoxBinding>(static_cast<TextBox&>(control), parent,
                                                    dispatch);
        case Kind::OptionButton:
            return std::make_unique<OptionBinding>(form.Option1, optionIndex(form, control), parent,
                                                   options, dispatch);
        case Kind::Frame:
            return std::make_unique<FrameBinding>(static_cast<Frame&>(control), parent);
        case Kind::DriveList:
            return std::make_unique<DriveBinding>(static_cast<DriveList&>(control), parent,
                                                  dispatch);
        case Kind::DirList:
            return std::make_unique<DirBinding>(static_cast<DirList&>(control), parent, dispatch);
        case Kind::FileList:
            return std::make_unique<FileBinding>(static_cast<FileList&>(control), parent, dispatch);
        case Kind::Grid:
            return std::make_unique<GridBinding>(static_cast<Grid&>(control), parent, dispatch,
                                                 gridAnnouncer(form, static_cast<Grid&>(control)));
        case Kind::RichText:
            return std::make_unique<RichTextBinding>(static_cast<RichTextBox&>(control), parent);
        case Kind::Shape:
            return std::make_unique<ShapeBinding>(static_cast<Shape&>(control), parent);
        case Kind::Line:
            return std::make_unique<LineBinding>(static_cast<Line&>(control), parent);
    }
    throw std::logic_error(control.name() + ": a control of unknown kind");
}

}  // namespace lurnatik
