// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/draft.h"

#include "shell/walkthrough.h"

#include <algorithm>
#include <utility>

namespace gear {

namespace {

CalcState copyWithoutWalkthrough(CalcState& state)
{
    Walkthrough steps = std::exchange(state.walkthrough, {});
    CalcState copy = state;
    state.walkthrough = std::move(steps);
    copy.walkthrough.lastSerial = state.walkthrough.lastSerial;
    copy.walkthrough.partial = true;
    return copy;
}

// The same rule as a recorder's on the state itself: a screen that runs
// again replaces its earlier steps and those of every screen after it.
void merge(std::vector<StepGroup>& into, std::vector<StepGroup>&& recorded)
{
    for (StepGroup& group : recorded) {
        const auto same =
            std::find_if(into.begin(), into.end(), [&](const StepGroup& g) { return g.screen == group.screen; });
        into.erase(same, into.end());
        into.push_back(std::move(group));
    }
}

} // namespace

Draft::Draft(CalcState& state) : m_original(state), m_draft(copyWithoutWalkthrough(state))
{
}

void Draft::commit()
{
    Walkthrough steps = std::move(m_original.walkthrough);
    steps.lastSerial = m_draft.walkthrough.lastSerial;
    std::array<bool, kModeCount> recordedIn{};
    for (size_t mode = 0; mode < steps.modes.size(); ++mode) {
        auto& recorded = m_draft.walkthrough.modes[mode];
        if (!recorded)
            continue;
        recordedIn[mode] = true;
        auto& groups = steps.modes[mode];
        if (!groups)
            groups.emplace();
        merge(*groups, std::move(*recorded));
    }
    m_original = std::move(m_draft);
    m_original.walkthrough = std::move(steps);
    for (size_t mode = 0; mode < recordedIn.size(); ++mode) {
        if (recordedIn[mode])
            forgetResultsOfCutChain(m_original, static_cast<Mode>(mode));
    }
}

Outcome Draft::refuse(ScreenId screen, Message why, GivenInputs given, int field)
{
    StepRecorder record(m_original, screen);
    record.given(std::move(given));
    record.refuse(why);
    return Outcome::refuse(std::move(why), field);
}

} // namespace gear
