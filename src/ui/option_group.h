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

// Marks option `number` (1-based) of a group, or none for 0, as a file
// brings the choice back.
inline void markOption(const std::vector<QRadioButton*>& options, int number)
{
    for (size_t i = 0; i < options.size(); ++i) {
        QRadioButton* option = options[i];
        // An exclusive group keeps one option marked; let the last one go.
        QButtonGroup* group = option->group();
        if (group)
            group->setExclusive(false);
        option->setChecked(static_cast<int>(i) + 1 == number);
        if (group)
            group->setExclusive(true);
    }
}

} // namespace gear::ui
