#pragma once

#include <QRadioButton>

#include <vector>

namespace gear::ui {

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
