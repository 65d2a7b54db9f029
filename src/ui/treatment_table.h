// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gear::ui {

class GridFrame;

// The head of a treatment table: the treatment, its option, and the mean
// tooth hardness over its two sub-columns, at the surface and in the core.
// `name` is the head's own label.
void addTreatmentHead(GridFrame* table, const char* name);

} // namespace gear::ui
