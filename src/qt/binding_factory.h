#pragma once

#include <QButtonGroup>
#include <QWidget>
#include <memory>

#include "model/form.h"
#include "qt/event_dispatch.h"
#include "qt/widget_binding.h"

namespace lurnatik {

// The widget for one control of the form, by the control's kind; the option
// buttons of Option1 join `options`, one exclusive group.
std::unique_ptr<WidgetBinding> makeBinding(Form1& form, Control& control, QWidget* parent,
                                           EventDispatch& dispatch, QButtonGroup& options);

}  // namespace lurnatik
