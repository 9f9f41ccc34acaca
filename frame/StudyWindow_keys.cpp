// The keyboard in a study window: which controls Tab goes through and in what
// order, computed from the controls' places when the key is pressed.

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <algorithm>

#include "StudyWindow.h"
#include "twips.h"

namespace torvel {

namespace {

// Marks a result box whose keyboard focus the frame took away.
const char* const kResultFocus = "torvelResultFocus";

bool isContainer(const QWidget* w) {
    if (qobject_cast<const QGroupBox*>(w)) return true;
    // A plain panel holding controls is read through like a group.
    return !(w->focusPolicy() & Qt::TabFocus) && !w->findChildren<QWidget*>().isEmpty();
}

// A box is an entry when the user may type into it and, in a window that
// names its inputs, when it is one of them (or the reference): a box the
// calculation writes into is a result even where it is not read-only.
bool isStop(const QWidget* w, const StudyWindow* window, const QStringList& inputs) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(window))
        return false;
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        if (edit->isReadOnly()) return false;
        if (!inputs.isEmpty() && edit != window->reference() &&
            !inputs.contains(edit->objectName()))
            return false;
    }
    return true;
}

// One level of a container in reading order. Controls whose heights overlap
// make one line, read left to right (a box beside two stacked boxes comes
// first, then the upper, then the lower); a group joins a line by its title
// row only, so groups side by side are read across, then the next row down.
QList<QWidget*> levelInReadingOrder(const QWidget* container) {
    struct Item {
        QWidget* w;
        int top, bottom;
    };
    QList<Item> items;
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow()) continue;
        const int band = isContainer(w) ? std::min(w->height(), px(240)) : w->height();
        items.append({w, w->y(), w->y() + std::max(1, band)});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.top < b.top; });
    QList<QWidget*> ordered;
    for (qsizetype first = 0; first < items.size();) {
        qsizetype end = first + 1;
        int bottom = items[first].bottom;
        while (end < items.size() && items[end].top < bottom)
            bottom = std::max(bottom, items[end++].bottom);
        QList<Item> line = items.mid(first, end - first);
        std::stable_sort(line.begin(), line.end(), [](const Item& a, const Item& b) {
            return a.w->x() != b.w->x() ? a.w->x() < b.w->x() : a.top < b.top;
        });
        for (const Item& item : line) ordered.append(item.w);
        first = end;
    }
    return ordered;
}

// Every control under `container`, groups opened where they stand.
void collectControls(const QWidget* container, QList<QWidget*>* out) {
    for (QWidget* w : levelInReadingOrder(container)) {
        if (!isContainer(w)) {
            out->append(w);
            continue;
        }
        // A group with a check box is a control before its contents.
        if (auto* group = qobject_cast<QGroupBox*>(w); group && group->isCheckable())
            out->append(w);
        collectControls(w, out);
    }
}

// Result boxes keep the mouse (to select and copy) but not the keyboard; a box
// a window makes read-only or editable again as its choices change follows.
void keepResultsOffTheKeyboard(QWidget* frame) {
    for (QLineEdit* edit : frame->findChildren<QLineEdit*>()) {
        const bool marked = edit->property(kResultFocus).toBool();
        if (edit->isReadOnly() && edit->focusPolicy() == Qt::StrongFocus) {
            edit->setFocusPolicy(Qt::ClickFocus);
            edit->setProperty(kResultFocus, true);
        } else if (!edit->isReadOnly() && marked) {
            edit->setFocusPolicy(Qt::StrongFocus);
            edit->setProperty(kResultFocus, QVariant());
        }
    }
}

}  // namespace

QList<QWidget*> StudyWindow::tabStops() const {
    keepResultsOffTheKeyboard(frame_);
    QList<QWidget*> all;
    collectControls(frame_, &all);
    const QStringList inputs = keptInputs().keys();
    QList<QWidget*> stops;
    for (QWidget* w : all)
        if (isStop(w, this, inputs)) stops.append(w);
    return stops;
}

void StudyWindow::orderTabsVisually() {
    const QList<QWidget*> order = tabStops();
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

bool StudyWindow::focusNextPrevChild(bool next) {
    keepResultsOffTheKeyboard(frame_);
    QList<QWidget*> all;
    collectControls(frame_, &all);
    QWidget* focused = QApplication::focusWidget();
    qsizetype at = -1;
    for (QWidget* w = focused; w && w != this && at < 0; w = w->parentWidget()) at = all.indexOf(w);
    if (at < 0) return QWidget::focusNextPrevChild(next);
    const QStringList inputs = keptInputs().keys();
    const qsizetype step = next ? 1 : -1;
    for (qsizetype i = at + step; i >= 0 && i < all.size(); i += step) {
        if (isStop(all[i], this, inputs)) {
            all[i]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    // Past the last stop: a child window of the main window starts again from
    // its first; a window set inside another hands on to the controls around it.
    const bool ownCycle = !parentWidget() || qobject_cast<QMdiSubWindow*>(parentWidget());
    const QList<QWidget*> stops = tabStops();
    if (!ownCycle || stops.isEmpty()) {
        orderTabsVisually();
        return QWidget::focusNextPrevChild(next);
    }
    QWidget* target = next ? stops.first() : stops.last();
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace torvel
