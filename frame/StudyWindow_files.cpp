// The part of the study-window frame a study file goes through: the kept
// inputs given out, checked and put back.

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QTableWidget>

#include "StudyWindow.h"

namespace torvel {

namespace {

QString quoted(const QString& text) { return QStringLiteral("« %1 »").arg(text); }

// The cells of a grid a user can reach, row by row; header cells are disabled.
QList<QTableWidgetItem*> gridRow(const QTableWidget* grid, int row) {
    QList<QTableWidgetItem*> cells;
    for (int c = 0; c < grid->columnCount(); ++c)
        if (QTableWidgetItem* item = grid->item(row, c);
            item && (item->flags() & Qt::ItemIsEnabled))
            cells << item;
    return cells;
}

QJsonArray gridRows(const QTableWidget* grid) {
    QJsonArray rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto cells = gridRow(grid, r);
        if (cells.isEmpty()) continue;
        QJsonArray row;
        for (const QTableWidgetItem* cell : cells) row.append(cell->text());
        rows.append(row);
    }
    return rows;
}

void setGridRows(QTableWidget* grid, const QJsonArray& rows) {
    qsizetype next = 0;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto cells = gridRow(grid, r);
        if (cells.isEmpty()) continue;
        const QJsonArray row = rows.at(next++).toArray();
        for (qsizetype c = 0; c < cells.size(); ++c) cells[c]->setText(row.at(c).toString());
    }
}

// The shape of a grid: the number of cells of each row.
QList<qsizetype> gridShape(const QJsonArray& rows) {
    QList<qsizetype> shape;
    for (const QJsonValue& row : rows) shape << row.toArray().size();
    return shape;
}

QLineEdit* editOf(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(w);
}

}  // namespace

void StudyWindow::keepInputs(const QStringList& names) {
    for (const QString& name : names) {
        if (kept_.contains(name)) continue;
        kept_ << name;
        if (auto* grid = findChild<QTableWidget*>(name))
            opening_[name] = gridRows(grid);
        else
            opening_[name] = fieldText(name);
        onInputChange(name, [this] { emit keptInputsChanged(); });
    }
}

void StudyWindow::setKeptState(KeptState state) {
    keptState_ = std::move(state);
    const QJsonObject own = keptState_->save();
    for (auto it = own.begin(); it != own.end(); ++it) opening_[it.key()] = it.value();
}

void StudyWindow::setStudyFields(const StudyFields& fields) {
    if (fields == studyFields_) return;
    studyFields_ = fields;
    emit keptInputsChanged();
}

QJsonObject StudyWindow::keptInputs() const {
    QJsonObject inputs;
    for (const QString& name : kept_) {
        if (auto* grid = findChild<QTableWidget*>(name))
            inputs[name] = gridRows(grid);
        else
            inputs[name] = fieldText(name);
    }
    if (keptState_) {
        const QJsonObject own = keptState_->save();
        for (auto it = own.begin(); it != own.end(); ++it) inputs[it.key()] = it.value();
    }
    return inputs;
}

QJsonObject StudyWindow::withOpeningValues(const QJsonObject& inputs) const {
    QJsonObject all = opening_;
    for (auto it = inputs.begin(); it != inputs.end(); ++it) all[it.key()] = it.value();
    return all;
}

QString StudyWindow::checkKeptInputs(const QJsonObject& given) const {
    const QJsonObject expected = keptInputs();
    for (auto it = given.begin(); it != given.end(); ++it)
        if (!expected.contains(it.key()))
            return QStringLiteral("le champ %1 est inconnu").arg(quoted(it.key()));
    const QJsonObject inputs = withOpeningValues(given);
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString& name = it.key();
        if (!inputs.contains(name)) return QStringLiteral("le champ %1 manque").arg(quoted(name));
        const QJsonValue value = inputs.value(name);
        if (it.value().isString() != value.isString() || it.value().isArray() != value.isArray())
            return QStringLiteral("le champ %1 n'a pas le type attendu").arg(quoted(name));
        if (value.isArray()) {
            const auto shape = gridShape(it.value().toArray());
            if (gridShape(value.toArray()) != shape)
                return QStringLiteral("le tableau %1 n'a pas %2 lignes de %3 cellules")
                    .arg(quoted(name))
                    .arg(shape.size())
                    .arg(shape.isEmpty() ? 0 : shape.first());
            continue;
        }
        const QString text = value.toString();
        QWidget* w = findChild<QWidget*>(name);
        if (auto* combo = qobject_cast<QComboBox*>(w);
            combo && !combo->isEditable() &&
            combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
            return QStringLiteral("la liste %1 ne propose pas %2").arg(quoted(name), quoted(text));
        if (const QLineEdit* edit = editOf(w); edit && text.size() > edit->maxLength())
            return QStringLiteral("le texte de %1 est trop long").arg(quoted(name));
    }
    if (keptState_ && keptState_->check) return keptState_->check(inputs);
    return {};
}

void StudyWindow::restoreKeptInputs(const QString& reference, const QJsonObject& given) {
    const QJsonObject inputs = withOpeningValues(given);
    if (reference_) {
        reference_->setText(reference);
        if (!reference.isEmpty() || windowTitle() != design_.caption) updateCaption();
    }
    // A list chosen as a user would choose it, so that it refills the lists it governs.
    for (const QString& name : kept_) {
        auto* combo = findChild<QComboBox*>(name);
        if (!combo) continue;
        const QString text = inputs.value(name).toString();
        const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0) {
            combo->setEditText(text);  // an editable list takes any text, as typed
            continue;
        }
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        emit combo->textActivated(text);
    }
    for (const QString& name : kept_) {
        if (auto* grid = findChild<QTableWidget*>(name))
            setGridRows(grid, inputs.value(name).toArray());
        else if (auto* edit = findChild<QLineEdit*>(name);
                 edit && !qobject_cast<QComboBox*>(edit->parentWidget()))
            edit->setText(inputs.value(name).toString());
    }
    if (keptState_ && keptState_->restore) keptState_->restore(inputs);
    calculateAsButton();
}

}  // namespace torvel
