// The engine-to-window contract: every control an engine can write or correct
// exists in its window, under that name. The engines' own tests check that they
// write nothing outside these lists.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "StudyWindow.h"
#include "bearing_life.h"
#include "contact_oblique.h"
#include "dimension_chain.h"
#include "duty_cycle.h"
#include "examples.h"
#include "section_engine.h"
#include "spring_engine.h"
#include "studies.h"
#include "ui_helpers.h"

namespace {

template <size_t N>
std::vector<std::string> names(const char* const (&list)[N]) {
    return {std::begin(list), std::end(list)};
}

std::vector<std::string> chainTargets() {
    std::vector<std::string> out;
    for (int chain = 1; chain <= 2; ++chain)
        for (int i = 0; i < 7; ++i) out.push_back(torvel::chainResultName(chain, i));
    return out;
}

}  // namespace

TEST(Contract, EveryEngineTargetExistsInItsWindow) {
    const struct {
        const char* type;
        std::vector<std::string> targets;
    } cases[] = {
        {"Roulement", names(torvel::bearings::kBearingTargets)},
        {"ContactOblique", names(torvel::bearings::kObliqueTargets)},
        {"CasVariables", names(torvel::bearings::kDutyTargets)},
        {"ChainesDeCotes", chainTargets()},
        {"Section", names(torvel::sections::kSectionTargets)},
        {"RessortCompression", names(torvel::springs::kSpringTargets)},
    };
    for (const auto& c : cases) {
        const auto* entry = torvel::findStudy(c.type);
        ASSERT_NE(entry, nullptr) << c.type;
        std::unique_ptr<torvel::StudyWindow> window(entry->create());
        for (const auto& target : c.targets)
            EXPECT_NE(window->findChild<QWidget*>(QString::fromStdString(target)), nullptr)
                << c.type << " has no control " << target;
    }
}

// Nothing a user types is lost: every box and list a user can change is kept
// by the study file, but the reference (kept apart), the results a run writes
// and the fits focus sink.
TEST(Contract, EveryEditableControlIsKeptByTheStudyFile) {
    for (const auto& entry : torvel::studyEntries()) {
        std::unique_ptr<torvel::StudyWindow> window(entry.create());
        tools::fillExample(window.get(), entry);
        testing_ui::catchMessages([&] { window->calculateAsButton(); });
        const QJsonObject kept = window->keptInputs();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* edit = qobject_cast<QLineEdit*>(w);
            const bool editable =
                (edit && !edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget())) ||
                qobject_cast<QComboBox*>(w);
            if (!editable || w == window->reference() || window->writtenByLastRun(w) ||
                w->objectName() == "recup_curseur")
                continue;
            EXPECT_TRUE(kept.contains(w->objectName()))
                << entry.type << " loses " << w->objectName().toStdString();
        }
    }
}
