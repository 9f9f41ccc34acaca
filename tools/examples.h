#pragma once

// Fills a study window with its registry example, for the timing and
// screenshot tools: values that compute without a message.

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QWidget>

#include "studies.h"

namespace tools {

inline std::span<const torvel::StudyEntry> examples() { return torvel::studyEntries(); }

// Types the example into the window: its boxes, and three phases of the duty-cycle grid.
inline void fillExample(QWidget* window, const torvel::StudyEntry& example) {
    for (const auto& [name, text] : example.example) {
        const QString value = QString::fromUtf8(text);
        if (auto* e = window->findChild<QLineEdit*>(QString::fromLatin1(name))) e->setText(value);
        if (auto* list = window->findChild<QComboBox*>(QString::fromLatin1(name))) {
            // As a user's choice: the list acts on activated(), not on a set index.
            const int index = list->findText(value);
            list->setCurrentIndex(index);
            emit list->activated(index);
        }
    }
    if (auto* grid = window->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"))) {
        const char* phases[3][3] = {
            {"3600", "1500", "2000"}, {"1800", "1000", "3500"}, {"600", "500", "5000"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                auto* item = grid->item(r + 1, c + 1);
                if (!item) grid->setItem(r + 1, c + 1, item = new QTableWidgetItem);
                item->setText(QString::fromLatin1(phases[r][c]));
            }
    }
}

}  // namespace tools
