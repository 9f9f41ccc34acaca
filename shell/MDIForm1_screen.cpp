// The main window and its child windows on the screen: the window's size,
// place and maximised state kept between runs, and child windows that open
// and cascade wholly inside the area.

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <algorithm>

#include "MDIForm1.h"
#include "placement.h"

namespace {

// Beside the recent list, in the same settings.
const QString kGeometryKey = QStringLiteral("fenetre/geometrie");
const QString kMaximisedKey = QStringLiteral("fenetre/maximisee");

QSettings& settings() {
    static QSettings kept(QStringLiteral("TORVEL"), QStringLiteral("TORVEL"));
    return kept;
}

// The screen the rectangle mostly lies on, else the primary one.
const QScreen* screenFor(const QRect& r) {
    if (const QScreen* s = QGuiApplication::screenAt(r.center())) return s;
    return QGuiApplication::primaryScreen();
}

}  // namespace

namespace torvel {

QRect placedInside(const QRect& wanted, const QRect& area) {
    if (!area.isValid()) return wanted;
    QRect r(wanted.topLeft(), wanted.size().boundedTo(area.size()).expandedTo(QSize(1, 1)));
    r.moveLeft(std::clamp(r.left(), area.left(), area.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), area.top(), area.bottom() - r.height() + 1));
    return r;
}

}  // namespace torvel

void MDIForm1::restorePlacement() {
    QRect wanted = geometry();
    const QVariant kept = settings().value(kGeometryKey);
    if (kept.canConvert<QRect>() && kept.toRect().isValid()) wanted = kept.toRect();
    if (const QScreen* screen = screenFor(wanted)) {
        // The title bar and borders take room outside the client area.
        const QRect outer = frameGeometry(), inner = geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        wanted = torvel::placedInside(wanted, screen->availableGeometry().marginsRemoved(frame));
    }
    setGeometry(wanted);
    if (settings().value(kMaximisedKey, false).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
    placementRestored_ = true;
}

void MDIForm1::savePlacement() {
    // Only what the user sees: not the hidden window of the start-up, nor a
    // minimised one.
    if (!placementRestored_ || !isVisible() || isMinimized()) return;
    const bool maximised = isMaximized() || isFullScreen();
    const QRect normal = maximised ? normalGeometry() : geometry();
    if (normal.isValid()) settings().setValue(kGeometryKey, normal);
    settings().setValue(kMaximisedKey, maximised);
}

void MDIForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    savePlacement();
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    savePlacement();
}

void MDIForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) savePlacement();
}

void MDIForm1::keepInsideArea(QMdiSubWindow* sub) {
    const QRect area = mdiArea()->viewport()->rect();
    if (area.isEmpty() || sub->isMaximized() || sub->isMinimized()) return;
    const QRect inside = torvel::placedInside(sub->geometry(), area);
    if (inside != sub->geometry()) sub->setGeometry(inside);
}

void MDIForm1::cascadeInside() {
    mdiArea()->cascadeSubWindows();
    const QRect area = mdiArea()->viewport()->rect();
    for (QMdiSubWindow* sub : mdiArea()->subWindowList()) {
        // Each keeps its step of the cascade and ends inside the area, as long as
        // at least half the area is left to it; else it goes back as a new one.
        const QRect at = sub->geometry();
        const QRect shrunk(at.topLeft(), at.size().boundedTo(QSize(area.right() - at.left() + 1,
                                                                   area.bottom() - at.top() + 1)));
        if (area.contains(at.topLeft()) && shrunk.width() >= area.width() / 2 &&
            shrunk.height() >= area.height() / 2)
            sub->setGeometry(shrunk);
        else
            keepInsideArea(sub);
    }
}
