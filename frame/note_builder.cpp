#include "note_builder.h"

#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSvgRenderer>
#include <QTableWidget>
#include <algorithm>
#include <memory>

#include "StudyWindow.h"
#include "ui_text.h"
#include "version.h"

namespace torvel {

namespace {

// A caption as a note shows it: no mnemonic, no trailing "=" or ":".
QString cleanCaption(QString caption) {
    caption.remove(QLatin1Char('&'));
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char('=')) || caption.endsWith(QLatin1Char(':')))
        caption = caption.chopped(1).trimmed();
    return caption;
}

// A unit as written in a caption or a description, compared loosely: "mm2" is
// "mm²", "10^-6" is "10⁻⁶", "Tr/min" is "tr/min".
QString unitKey(QString unit) {
    unit = unit.toLower().remove(QLatin1Char(' '));
    unit.replace(QStringLiteral("mm2"), QStringLiteral("mm²"));
    unit.replace(QStringLiteral("mm3"), QStringLiteral("mm³"));
    unit.replace(QStringLiteral("mm4"), QStringLiteral("mm⁴"));
    unit.replace(QStringLiteral("^-6"), QStringLiteral("⁻⁶"));
    return unit;
}

// A value carries its unit once: "Fr (N)" with the unit N is captioned "Fr".
QString withoutUnit(const QString& caption, const std::string& unit) {
    if (unit.empty() || !caption.endsWith(QLatin1Char(')'))) return caption;
    const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
    if (open <= 0) return caption;
    const QString inside = caption.mid(open + 1, caption.size() - open - 2);
    return unitKey(inside) == unitKey(fromStd(unit)) ? caption.left(open).trimmed() : caption;
}

class Builder {
  public:
    Builder(const StudyWindow& window, const NoteDescription& description, CalcNote& note)
        : window_(window), description_(description), note_(note) {
        for (QLabel* label : window.findChildren<QLabel*>())
            if (label->buddy()) captions_.insert(label->buddy(), label->text());
        kept_ = window.keptInputs().keys();
    }

    void visit(const QWidget* container, const QString& title) {
        NoteGroup data{toStd(title), {}}, results{toStd(title), {}};
        QList<const QGroupBox*> inner;
        for (QWidget* w : StudyWindow::inReadingOrder(container)) {
            if (!w->isVisibleTo(&window_)) continue;
            if (auto* group = qobject_cast<QGroupBox*>(w)) {
                // An optional group left empty is not part of the study.
                if (window_.groupInUse(group)) inner << group;
                continue;
            }
            if (auto* grid = qobject_cast<QTableWidget*>(w)) {
                addGrid(grid, data);
                continue;
            }
            if (auto* list = qobject_cast<QListWidget*>(w)) {
                addList(list, results);
                continue;
            }
            const std::string name = toStd(w->objectName());
            QString caption = captions_.value(w);
            if (caption.isEmpty()) caption = fromStd(description_.captionOf(name));
            if (name.empty() || caption.isEmpty() || w == window_.reference()) continue;
            if (!qobject_cast<QComboBox*>(w) && !qobject_cast<QLineEdit*>(w) &&
                !qobject_cast<QLabel*>(w))
                continue;
            // Only what the study now stands on: a design caption, a value of an
            // earlier run or a choice the calculation does not read is not printed.
            if (!window_.showsCurrentValue(w)) continue;
            const QString value = StudyWindow::shownText(w).trimmed();
            if (value.isEmpty()) continue;
            // An input the run wrote (a factor computed in "Automatique") is a result.
            const bool entry = (kept_.contains(w->objectName()) && !window_.writtenByLastRun(w)) ||
                               std::find(description_.entries.begin(), description_.entries.end(),
                                         name) != description_.entries.end();
            // A value that is a word ("Non flambable") takes no unit.
            const bool number =
                std::any_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); });
            const std::string unit = number ? description_.unitOf(name) : std::string();
            (entry ? data : results)
                .rows.push_back(
                    {toStd(withoutUnit(cleanCaption(caption), unit)), toStd(value), unit});
        }
        if (!data.rows.empty()) note_.data.push_back(std::move(data));
        if (!results.rows.empty()) note_.results.push_back(std::move(results));
        // A group inside another is named after both, unless the outer one is Frame1.
        for (const QGroupBox* group : inner)
            visit(group, container == window_.frame() || title.trimmed().isEmpty()
                             ? group->title()
                             : title + QStringLiteral(" — ") + group->title());
    }

  private:
    // A grid: one row a line that holds a value; its header cells caption it.
    // A read-only cell past the first row and column is a result it shows.
    void addGrid(const QTableWidget* grid, NoteGroup& data) {
        auto header = [grid](int r, int c) {
            const QTableWidgetItem* item = grid->item(r, c);
            return item && !(item->flags() & Qt::ItemIsEnabled) ? item->text() : QString();
        };
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (grid->isRowHidden(r)) continue;  // a row the window does not use
            QStringList values, units;
            bool any = false;
            for (int c = 0; c < grid->columnCount(); ++c) {
                const QTableWidgetItem* item = grid->item(r, c);
                if (!item || (!(item->flags() & Qt::ItemIsEnabled) && (r == 0 || c == 0))) continue;
                values << item->text().trimmed();
                units << header(0, c);
                any = any || !item->text().trimmed().isEmpty();
            }
            if (!any) continue;
            data.rows.push_back({toStd(QStringLiteral("Cas %1").arg(header(r, 0))),
                                 toStd(values.join(QStringLiteral(" ; "))),
                                 toStd(units.join(QStringLiteral(" ; ")))});
        }
    }

    // A list the window fills (proposals it computed): one row a line, numbered
    // under the list's caption.
    void addList(const QListWidget* list, NoteGroup& results) {
        const QString caption = cleanCaption(captions_.value(list));
        if (caption.isEmpty()) return;
        for (int i = 0; i < list->count(); ++i)
            results.rows.push_back({toStd(QStringLiteral("%1 (%2)").arg(caption).arg(i + 1)),
                                    toStd(list->item(i)->text().trimmed()), std::string()});
    }

    const StudyWindow& window_;
    const NoteDescription& description_;
    CalcNote& note_;
    QHash<const QWidget*, QString> captions_;
    QStringList kept_;
};

}  // namespace

CalcNote buildNote(const StudyWindow& window, const NoteDescription& description,
                   const QString& studyName, const QString& fileName) {
    CalcNote note;
    note.studyName = toStd(studyName);
    note.reference = window.reference() ? toStd(window.reference()->text().trimmed()) : "";
    note.fileName = toStd(fileName);
    note.dateTime = toStd(shortDate() + QLatin1Char(' ') + shortTime());
    note.date = toStd(shortDate());
    const StudyFields& fields = window.studyFields();
    note.project = toStd(fields.project.trimmed());
    note.revision = toStd(fields.revision.trimmed());
    note.checker = toStd(fields.checker.trimmed());
    note.author = toStd(fields.author.trimmed());
    note.version = kVersion;
    note.method = description.method;
    // What the calculation said, then what the window shows beside its results.
    for (const QString& message : window.shownMessages()) note.messages.push_back(toStd(message));
    for (const QString& notice : window.shownNotices()) note.messages.push_back(toStd(notice));
    Builder(window, description, note).visit(window.frame(), window.frame()->title());
    return note;
}

NoteDrawing noteDrawing(const StudyWindow& window) {
    const auto& source = window.noteDrawingSource();
    if (source.svg) {
        auto svg = std::make_shared<QSvgRenderer>(source.svg());
        if (!svg->isValid()) return {};
        return {svg->defaultSize(), [svg](QPainter& p, const QRectF& target) {
                    // What a picture holds beyond its frame stays out of the note.
                    p.save();
                    p.setClipRect(target, Qt::IntersectClip);
                    svg->render(&p, target);
                    p.restore();
                }};
    }
    if (QWidget* w = source.painted) {
        return {w->size(), [w](QPainter& p, const QRectF& target) {
                    // The widget paints itself through the note's painter: vectors, not pixels.
                    p.save();
                    p.translate(target.topLeft());
                    p.scale(target.width() / w->width(), target.height() / w->height());
                    w->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
                    p.restore();
                }};
    }
    return {};
}

}  // namespace torvel
