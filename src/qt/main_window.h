#pragma once

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "model/form.h"
#include "qt/event_dispatch.h"
#include "qt/lakut_repainter.h"
#include "qt/widget_binding.h"
#include "qt/zoom_style.h"

namespace lurnatik {

// The program's one window: a widget for every control of the form, kept up to
// date from the model after every event the user causes.
//
// It exists before the form is bound to it, so that the parts of the platform that
// need the window (message boxes, the printer's screen copy, quitting) can be made
// before the program they serve.
class MainWindow : public QWidget {
  public:
    MainWindow();
    ~MainWindow() override;

    // Builds the widgets from the form and attaches the forced repaint of lakut.
    // Once, before the window is first shown.
    void bind(Form1& form);
    // Lets go of the form: its widgets and hooks go, and nothing reaches it any
    // more. The window does so by itself when the form goes first.
    void unbind();

    // Brings every widget up to date from the model.
    void syncFromModel();

    // Closes the window for good, without the question that closing it from the
    // desktop asks: the program's own end.
    void end();

    LakutRepainter* lakutRepainter() const { return repainter_.get(); }

    // The factor every control, font and border is drawn at: 1 is the design.
    double zoom() const { return zoom_; }
    // Zooms to a factor within the zoom's range and as far as the screen allows,
    // and sizes the window to fit. During a handler it waits until the handler
    // has ended, like any input.
    void zoomTo(double zoom);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A frame that lies over other controls while it is shown (the import panel).
    struct Panel {
        const Control* control;
        QWidget* widget;
        bool shown;
        QPointer<QWidget> returnFocusTo;  // where the focus was when it opened
    };

    void placeWindow(const Form1& form);
    void bindControls(Form1& form);
    void useZoomStyle(QWidget* widget);
    void orderTabStops();
    void moveFocusWithPanels(QWidget* focusBefore);
    // The first tab stop that takes the focus, inside `area` when given.
    void focusFirstTabStop(const QWidget* area);
    void afterEvent();
    double zoomToCome() const;
    void zoomNow(double zoom);
    void applyZoom(double zoom);
    double largestZoomOnScreen() const;
    double zoomForSize() const;
    void followScreen();
    void fitScreen();
    void keepOnScreen();
    bool zoomByKey(const QKeyEvent& event);
    bool zoomByWheel(const QWheelEvent& event);
    void askToClose();

    Form1* form_ = nullptr;
    QSize design_;
    double zoom_ = 1.0;
    std::optional<double> zoomWaiting_;
    bool resizeWaiting_ = false;
    bool ending_ = false;
    bool closeWaiting_ = false;  // a close request waits for its question
    int wheelSteps_ = 0;         // in eighths of a degree, as the wheel reports them
    EventDispatch dispatch_;
    QButtonGroup* options_;
    // Before the bindings, so that no widget outlives the style it is drawn in.
    std::unique_ptr<ZoomStyle> style_;
    std::vector<std::unique_ptr<WidgetBinding>> bindings_;
    std::vector<QWidget*> tabStops_;  // in tab order
    std::vector<Panel> panels_;
    std::unique_ptr<LakutRepainter> repainter_;
    QPointer<QScreen> followed_;  // whose size changes the window follows
    bool placing_ = false;        // shown, but not yet exposed in its frame
};

}  // namespace lurnatik
