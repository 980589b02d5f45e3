#include "qt/main_window.h"

#include <QCloseEvent>
#include <algorithm>
#include <map>
#include <stdexcept>

#include "qt/accessibility.h"
#include "qt/accessible_names.h"
#include "qt/binding_factory.h"
#include "qt/control_bindings.h"
#include "qt/qt_convert.h"
#include "qt/zoom.h"

namespace lurnatik {

MainWindow::MainWindow()
    : dispatch_([this] { afterEvent(); }),
      options_(new QButtonGroup(this)),
      style_(std::make_unique<ZoomStyle>()) {
    setObjectName(QStringLiteral("Form1"));
    options_->setExclusive(true);
    installAccessibility();
}

MainWindow::~MainWindow() {
    unbind();
}

void MainWindow::unbind() {
    if (form_ == nullptr) {
        return;
    }
    form_->lakut.repaintRequest = nullptr;
    form_->onDestroy = nullptr;
    form_ = nullptr;
    dispatch_.discardWaiting();
    closeWaiting_ = false;
    repainter_.reset();
    // Each binding takes its widget with it; nothing may point at them after.
    panels_.clear();
    tabStops_.clear();
    bindings_.clear();
}

void MainWindow::bind(Form1& form) {
    if (form_ != nullptr) {
        throw std::logic_error("the window is bound to its form already");
    }
    form_ = &form;
    placeWindow(form);
    bindControls(form);
    orderTabStops();
    if (repainter_ != nullptr) {
        form.lakut.repaintRequest = [this](const Label&) { repainter_->request(); };
    }
    form.onDestroy = [this] { unbind(); };
    syncFromModel();
    if (!tabStops_.empty()) {
        tabStops_.front()->setFocus();
    }
    // The zoom keys and the wheel work wherever the focus or the pointer is.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

void MainWindow::placeWindow(const Form1& form) {
    setWindowTitle(toQString(form.caption));
    const QRect area = toPixels(form.geometry);
    design_ = area.size();
    // Larger sizes zoom; smaller ones would cut controls off.
    setMinimumSize(design_);
    resize(design_);
    move(area.topLeft());
    QPalette background = palette();
    background.setColor(QPalette::Window, toQColor(form.background));
    setPalette(background);
    setAutoFillBackground(true);
    setFont(toQFont(Font{}));
}

// Controls come in drawing order, so a later widget lies on top of an earlier
// one; a container comes before its children.
void MainWindow::bindControls(Form1& form) {
    std::map<const Control*, QWidget*> containers;
    for (Control* control : form.controls()) {
        QWidget* parent = this;
        if (control->container != nullptr) {
            const auto found = containers.find(control->container);
            if (found == containers.end()) {
                throw std::logic_error(control->name() + " comes before its container");
            }
            parent = found->second;
        }
        auto binding = makeBinding(form, *control, parent, dispatch_, *options_);
        useZoomStyle(binding->widget());
        nameForScreenReaders(*control, *binding->widget());
        if (control->kind() == Kind::Frame) {
            containers[control] = binding->widget();
            panels_.push_back({control, binding->widget(), control->shown(), nullptr});
        }
        if (control == &form.lakut) {
            repainter_ = std::make_unique<LakutRepainter>(static_cast<LabelBinding&>(*binding),
                                                          [this] { syncFromModel(); });
        }
        bindings_.push_back(std::move(binding));
    }
}

// Scroll bars and other inner parts are widgets of their own.
void MainWindow::useZoomStyle(QWidget* widget) {
    widget->setStyle(style_.get());
    for (QWidget* part : widget->findChildren<QWidget*>()) {
        part->setStyle(style_.get());
    }
}

void MainWindow::orderTabStops() {
    std::vector<const WidgetBinding*> tabStops;
    for (const auto& binding : bindings_) {
        if (binding->control().tabIndex >= 0) {
            tabStops.push_back(binding.get());
        }
    }
    std::stable_sort(tabStops.begin(), tabStops.end(), [](const auto* a, const auto* b) {
        return a->control().tabIndex < b->control().tabIndex;
    });
    for (const WidgetBinding* stop : tabStops) {
        tabStops_.push_back(stop->widget());
    }
    for (std::size_t i = 1; i < tabStops_.size(); ++i) {
        QWidget::setTabOrder(tabStops_[i - 1], tabStops_[i]);
    }
}

void MainWindow::syncFromModel() {
    if (form_ == nullptr) {
        return;
    }
    QWidget* const focusBefore = focusWidget();
    const bool panelShown = std::any_of(panels_.begin(), panels_.end(),
                                        [](const Panel& p) { return p.control->shown(); });
    for (const auto& binding : bindings_) {
        binding->setCovered(panelShown && form_->covered(binding->control()));
        binding->sync();
    }
    moveFocusWithPanels(focusBefore);
}

// The keys must not reach what a panel covers: an opening panel takes the focus,
// and a closing one gives it back where it was, or to the first control that
// takes it when that one can no longer.
void MainWindow::moveFocusWithPanels(QWidget* focusBefore) {
    for (Panel& panel : panels_) {
        const bool shown = panel.control->shown();
        if (shown == panel.shown) {
            continue;
        }
        panel.shown = shown;
        if (shown) {
            panel.returnFocusTo = focusBefore;
            focusFirstTabStop(panel.widget);
        } else if (panel.returnFocusTo != nullptr && panel.returnFocusTo->isEnabled() &&
                   panel.returnFocusTo->isVisible()) {
            panel.returnFocusTo->setFocus(Qt::OtherFocusReason);
        } else {
            focusFirstTabStop(nullptr);
        }
    }
}

void MainWindow::focusFirstTabStop(const QWidget* area) {
    for (QWidget* stop : tabStops_) {
        if (stop->isEnabled() && stop->isVisible() && (stop->focusPolicy() & Qt::TabFocus) &&
            (area == nullptr || area->isAncestorOf(stop))) {
            stop->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void MainWindow::end() {
    ending_ = true;
    close();
}

// The desktop's close request is input like any other: it waits until the
// running event has ended, and then asks as Ende does; one question answers
// every request made meanwhile. The program's own end closes at once.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (ending_ || form_ == nullptr || !form_->onCloseRequest) {
        dispatch_.discardWaiting();
        event->accept();
        return;
    }
    event->ignore();
    if (!closeWaiting_) {
        closeWaiting_ = true;
        dispatch_.run([this] { askToClose(); });
    }
}

void MainWindow::askToClose() {
    try {
        if (form_ != nullptr && form_->onCloseRequest) {
            form_->onCloseRequest();
        }
    } catch (...) {
        closeWaiting_ = false;
        throw;
    }
    closeWaiting_ = false;
}

}  // namespace lurnatik
