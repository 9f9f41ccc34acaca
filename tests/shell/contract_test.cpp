// The engine-to-window contract: every control an engine can write or correct
// exists in its window, under that name. The engines' own tests check that they
// write nothing outside these lists.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "StudyWindow.h"
#include "bearing_life.h"
#include "contact_oblique.h"
#include "dimension_chain.h"
#include "duty_cycle.h"
#include "section_engine.h"
#include "spring_engine.h"
#include "studies.h"

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
