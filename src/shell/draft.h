// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/calc_state.h"
#include "shell/outcome.h"
#include "shell/walkthrough.h"

#include <string>

namespace gear {

// An Ok that can still be refused halfway works on a draft of the state and
// commits it only at the end, so a refusal leaves the state as it was, apart
// from the refusal said in the walkthrough. The walkthrough is the one heavy
// part of the state, so the draft starts with an empty one; the steps the
// draft records join the state's walkthrough at the commit, in place of the
// screen's earlier steps and of every screen's after it.
class Draft final {
public:
    explicit Draft(CalcState& state);

    CalcState& state() { return m_draft; }

    void commit();

    // Says in the walkthrough why the screen's Ok did not run, with what it
    // was given; the draft is left uncommitted.
    Outcome refuse(ScreenId screen, Message why, GivenInputs given, int field = -1);

private:
    CalcState& m_original;
    CalcState m_draft;
};

} // namespace gear
