#pragma once
// The drive, directory and file lists of the import panel. The handlers fill
// their entries; the widgets show them and report the user's choice.

#include <QComboBox>
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "model/controls.h"
#include "qt/event_dispatch.h"
#include "qt/widget_binding.h"

namespace lurnatik {

class DriveBinding : public WidgetBinding {
  public:
    DriveBinding(DriveList& drives, QWidget* parent, EventDispatch& dispatch);
    void sync() override;

  private:
    DriveList& model_;
    QComboBox* combo_;
    std::vector<std::string> items_;
    std::string drive_;
    bool first_ = true;
};

class DirBinding : public WidgetBinding {
  public:
    DirBinding(DirList& dirs, QWidget* parent, EventDispatch& dispatch);
    void sync() override;
    void setZoom(double zoom) override;

  private:
    DirList& model_;
    QListWidget* list_;
    std::vector<std::string> items_;
    int pathEntries_ = -1;
};

class FileBinding : public WidgetBinding {
  public:
    FileBinding(FileList& files, QWidget* parent, EventDispatch& dispatch);
    void sync() override;
    void setZoom(double zoom) override;

  private:
    // Reports a left-button release inside the list's area.
    struct ReleaseFilter : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override;
        std::function<void()> onRelease;
    };

    FileList& model_;
    QListWidget* list_;
    std::vector<std::string> items_;
    ReleaseFilter clicks_;
};

}  // namespace lurnatik
