#include "qt/list_bindings.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include "qt/accessibility.h"
#include "qt/contrast.h"
#include "qt/qt_convert.h"

namespace lurnatik {
namespace {

constexpr WidgetBinding::Roles kList{QPalette::Base, QPalette::Text, false};

// A style icon at exactly the list's icon size: the style has each icon in
// other sizes, and an icon is never drawn larger than its largest one.
QIcon atIconSize(const QListWidget* list, QStyle::StandardPixmap which) {
    const QIcon icon = list->style()->standardIcon(which, nullptr, list);
    const qreal ratio = list->devicePixelRatioF();
    const QSize size = list->iconSize() * ratio;
    QPixmap largest = icon.pixmap(icon.actualSize(QSize(256, 256)));
    QPixmap exact = largest.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    exact.setDevicePixelRatio(ratio);
    return QIcon(exact);
}

// The first `openEntries` items are directories on the way to the current one.
void setIcons(QListWidget* list, int openEntries) {
    if (openEntries < 0) {
        return;
    }
    const QIcon open = atIconSize(list, QStyle::SP_DirOpenIcon);
    const QIcon closed = atIconSize(list, QStyle::SP_DirIcon);
    for (int i = 0; i < list->count(); ++i) {
        list->item(i)->setIcon(i < openEntries ? open : closed);
    }
}

int highlightedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.first());
}

void fill(QListWidget* list, const std::vector<std::string>& items, int openEntries) {
    list->clear();
    for (const std::string& item : items) {
        new QListWidgetItem(toQString(item), list);
    }
    setIcons(list, openEntries);
}

// Shows the model's entries and selected entry; the widget's own signals stay
// quiet, so only the user's choices reach the model.
void syncList(QListWidget* list, std::vector<std::string>& shown, int& shownOpen,
              const std::vector<std::string>& items, int openEntries, int listIndex) {
    const QSignalBlocker quiet(list);
    if (items != shown || openEntries != shownOpen) {
        shown = items;
        shownOpen = openEntries;
        fill(list, items, openEntries);
    }
    const int row = listIndex >= 0 && listIndex < list->count() ? listIndex : -1;
    if (highlightedRow(list) != row) {
        list->clearSelection();
        if (row >= 0) {
            list->item(row)->setSelected(true);
        }
    }
    if (list->hasFocus() && list->currentRow() != row) {
        list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    }
}

// Screen readers take a list's current entry for the focused object, so only
// the list with the focus has one; the others show their entry as selected.
struct CurrentWithFocus : QObject {
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A list being destroyed still sends events from its QWidget part.
        auto* list = qobject_cast<QListWidget*>(watched);
        const bool focus = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
        if (list == nullptr || !focus) {
            return false;
        }
        const QSignalBlocker quiet(list);  // the entry shown stays the model's
        if (event->type() == QEvent::FocusIn) {
            list->setCurrentRow(highlightedRow(list), QItemSelectionModel::NoUpdate);
        } else if (event->type() == QEvent::FocusOut) {
            list->selectionModel()->clearCurrentIndex();
        }
        return false;
    }
};

void configure(QListWidget* list) {
    // Long names are cut at the right edge, as in the old list boxes.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideNone);
    list->setPalette(withReadableSelection(list->palette()));
    list->installEventFilter(new CurrentWithFocus(list));
}

void scaleIcons(QListWidget* list, double zoom) {
    constexpr int kIconPixels = 13;
    const int side = atZoom(kIconPixels, zoom);
    list->setIconSize(QSize(side, side));
}

// A release beside the entries, or Ctrl with a click, clears the selection
// without choosing another entry; the model's entry is shown again.
void keepHighlight(QListWidget* list, QObject* receiver, EventDispatch& dispatch) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, receiver, [list, &dispatch] {
        if (list->selectedItems().isEmpty()) {
            dispatch.run([] {});
        }
    });
}

bool usable(const Control& c) {
    return c.enabled && c.shown();
}

}  // namespace

DriveBinding::DriveBinding(DriveList& drives, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(drives, new DriveBox(parent), kList),
      model_(drives),
      combo_(static_cast<QComboBox*>(widget())) {
    QObject::connect(combo_, &QComboBox::activated, receiver(), [this, &dispatch](int index) {
        dispatch.run([this, index] {
            if (usable(model_) && index >= 0 && index < static_cast<int>(model_.items.size())) {
                model_.setDrive(model_.items[static_cast<std::size_t>(index)]);
            }
        });
    });
}

void DriveBinding::sync() {
    WidgetBinding::sync();
    if (!first_ && model_.items == items_ && model_.drive() == drive_) {
        return;
    }
    first_ = false;
    const QSignalBlocker quiet(combo_);
    if (model_.items != items_) {
        items_ = model_.items;
        combo_->clear();
        for (const std::string& item : items_) {
            combo_->addItem(toQString(item));
        }
    }
    drive_ = model_.drive();
    combo_->setCurrentIndex(combo_->findText(toQString(drive_), Qt::MatchExactly));
}

DirBinding::DirBinding(DirList& dirs, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(dirs, new QListWidget(parent), kList),
      model_(dirs),
      list_(static_cast<QListWidget*>(widget())) {
    configure(list_);
    DirBinding::setZoom(1.0);
    keepHighlight(list_, receiver(), dispatch);
    QObject::connect(
        list_, &QListWidget::currentRowChanged, receiver(),
        [this, &dispatch](int row) { dispatch.run([this, row] { model_.listIndex = row; }); });
    // A double-click (or Enter) opens the directory.
    QObject::connect(list_, &QListWidget::activated, receiver(),
                     [this, &dispatch](const QModelIndex& index) {
                         const int row = index.row();
                         dispatch.run([this, row] {
                             if (usable(model_) && model_.onOpen) {
                                 model_.onOpen(row);
                             }
                         });
                     });
}

void DirBinding::setZoom(double zoom) {
    WidgetBinding::setZoom(zoom);
    scaleIcons(list_, zoom);
    setIcons(list_, pathEntries_);
}

void DirBinding::sync() {
    WidgetBinding::sync();
    syncList(list_, items_, pathEntries_, model_.items, model_.pathEntries, model_.listIndex);
}

FileBinding::FileBinding(FileList& files, QWidget* parent, EventDispatch& dispatch)
    : WidgetBinding(files, new QListWidget(parent), kList),
      model_(files),
      list_(static_cast<QListWidget*>(widget())) {
    configure(list_);
    FileBinding::setZoom(1.0);
    keepHighlight(list_, receiver(), dispatch);
    // The highlighted file is the one OK reads, whatever moved the highlight: a
    // click, a drag, the keys. Moving it counts as a click on the list.
    QObject::connect(list_, &QListWidget::currentRowChanged, receiver(),
                     [this, &dispatch](int row) {
                         dispatch.run([this, row] {
                             model_.listIndex = row;
                             model_.click();
                         });
                     });
    // A click anywhere in the list, on a file or beside the files, is a click on
    // the list too; so is one on the file already highlighted.
    list_->viewport()->installEventFilter(&clicks_);
    clicks_.onRelease = [this, &dispatch] { dispatch.run([this] { model_.click(); }); };
}

bool FileBinding::ReleaseFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* area = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            area->rect().contains(mouse->position().toPoint())) {
            onRelease();
        }
    }
    return false;
}

void FileBinding::setZoom(double zoom) {
    WidgetBinding::setZoom(zoom);
    scaleIcons(list_, zoom);
}

void FileBinding::sync() {
    WidgetBinding::sync();
    int noIcons = -1;
    syncList(list_, items_, noIcons, model_.items, -1, model_.listIndex);
}

}  // namespace lurnatik
