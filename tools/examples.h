#pragma once

// Example entries for each study, shared by the timing and screenshot tools:
// values that compute without a message.

#include <QLineEdit>
#include <QTableWidget>
#include <QWidget>

#include <utility>
#include <vector>

namespace tools {

struct Example {
    const char* type;
    const char* picture;
    std::vector<std::pair<const char*, const char*>> entries;
};

inline const std::vector<Example>& examples() {
    static const std::vector<Example> list = {
        {"Roulement", "roulement.png",
         {{"TextRef", "Réducteur 3"}, {"TextFr", "4000"}, {"TextFa", "3000"}, {"TextCo", "20000"},
          {"TextC", "30000"}, {"TextN", "1000"}}},
        {"ContactOblique", "contact-oblique.png",
         {{"TextRef", "Broche B2"}, {"TextFaE", "500"}, {"TextFrA", "3000"}, {"TextFrB", "2000"},
          {"TexteA", "0.37"}, {"TexteB", "0.37"}, {"TextYA", "1.6"}, {"TextYB", "1.6"}}},
        {"CasVariables", "cas-variables.png", {{"TextRef", "Convoyeur"}, {"TextC", "30000"}}},
        {"Ajustements", "ajustements.png", {}},
        {"ChainesDeCotes", "chaines-de-cotes.png",
         {{"TextRef", "Carter"}, {"TextJe1A", "50"}, {"TextJe1MaxA", "0.1"}, {"TextJi1A", "49.8"},
          {"TextJi1minA", "-0.05"}}},
        {"Section", "section.png", {{"TextRef", "Poutre P1"}, {"Texta", "40"}, {"Textb", "20"}}},
        {"RessortCompression", "ressort.png",
         {{"TextRef", "Ressort R5"}, {"Textd", "2"}, {"Textdm", "20"}, {"TextF1", "5"}, {"TextL1", "50"},
          {"TextF2", "10"}, {"TextL2", "40"}}},
    };
    return list;
}

// Types the example into the window: its boxes, and three phases of the duty-cycle grid.
inline void fillExample(QWidget* window, const Example& example) {
    for (const auto& [name, text] : example.entries)
        if (auto* e = window->findChild<QLineEdit*>(QString::fromLatin1(name))) e->setText(QString::fromUtf8(text));
    if (auto* grid = window->findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"))) {
        const char* phases[3][3] = {{"3600", "1500", "2000"}, {"1800", "1000", "3500"}, {"600", "500", "5000"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) {
                auto* item = grid->item(r + 1, c + 1);
                if (!item) grid->setItem(r + 1, c + 1, item = new QTableWidgetItem);
                item->setText(QString::fromLatin1(phases[r][c]));
            }
    }
}

}  // namespace tools
