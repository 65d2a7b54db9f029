// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QRadioButton>

#include <vector>

namespace gear::ui {

// Makes the options one group: marking one clears the others, wherever in
// the table each one stands.
inline void groupOptions(QObject* owner, const std::vector<QRadioButton*>& options)
{
    auto* group = new QButtonGroup(owner);
    for (QRadioButton* option : options)
        group->addButton(option);
}

// The 1-based number of the marked option of a group, 0 when none is.
inline int markedOption(const std::vector<QRadioButton*>& options)
{
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            return static_cast<int>(i) + 1;
    }
    return 0;
}

} // namespace gear::ui
