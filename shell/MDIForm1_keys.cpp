// The main window's keyboard: F9 computes the active study, and every shortcut
// of the main window works while the cursor is in a field.

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include "MDIForm1.h"
#include "StudyWindow.h"

namespace {

// A line edit takes some keys for itself before any shortcut sees them (Ctrl+E
// moves to the end of the line, Ctrl+K deletes to it): for a key combination
// the main window owns, this filter tells Qt the field does not want it, so
// the shortcut runs. The clipboard keys stay with the field, which does what
// the menu would.
class ShortcutKeeper : public QObject {
  public:
    explicit ShortcutKeeper(QMainWindow* window) : QObject(window), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !window_->isAncestorOf(widget)) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste))
            return false;
        const QKeySequence typed(key->keyCombination());
        for (const QAction* action : window_->findChildren<QAction*>()) {
            if (!action->isEnabled()) continue;
            for (const QKeySequence& shortcut : action->shortcuts()) {
                if (shortcut.matches(typed) == QKeySequence::ExactMatch) {
                    key->ignore();
                    return true;  // not delivered: the field does not take it
                }
            }
        }
        return false;
    }

  private:
    QMainWindow* window_;
};

}  // namespace

void MDIForm1::buildKeyboard() {
    auto* calculer = new QAction(QStringLiteral("Calculer"), this);
    calculer->setObjectName(QStringLiteral("RaccourciCalculer"));
    calculer->setShortcut(QKeySequence(Qt::Key_F9));
    connect(calculer, &QAction::triggered, this, &MDIForm1::calculateActive);
    addAction(calculer);
    qApp->installEventFilter(new ShortcutKeeper(this));
}

void MDIForm1::calculateActive() {
    if (torvel::StudyWindow* window = activeStudy()) window->calculateAsButton();
}
