// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A row of a variant list run through the same Oks as a student's screens:
// its cells read by column, each screen's inputs taken from them, and the
// calculation the screens' steps leave, or why the row gives none.

#include "file/csv.h"
#include "shell/calc_state.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gear::detail {

// The modes as a list names them, by Mode.
inline constexpr std::array<std::string_view, kModeCount> kModeNames{"transmission", "wheel", "check"};

std::string_view trimmed(std::string_view text);
std::optional<int> wholeNumber(std::string_view text);

// The mode a cell names, in English or in Russian.
std::optional<Mode> modeNamed(std::string_view text);

// One row's cells by column name.
class Row {
public:
    Row(const std::vector<std::string>& header, const CsvRecord& record) : m_header(header), m_record(record) {}

    std::string_view cell(std::string_view column) const
    {
        const auto found = std::find(m_header.begin(), m_header.end(), column);
        if (found == m_header.end())
            return {};
        const std::size_t index = static_cast<std::size_t>(found - m_header.begin());
        return index < m_record.cells.size() ? trimmed(m_record.cells[index]) : std::string_view();
    }

private:
    const std::vector<std::string>& m_header;
    const CsvRecord& m_record;
};

// What a row's steps gave: the calculation and the module its design asked
// for before a standard one was taken, or why the row could not be
// computed.
struct VariantSteps {
    bool computed = false;
    std::string error;
    CalcState state;
    double designModule = 0;
};

// Runs the screens of `mode` on the row's inputs, in the order a student
// goes through them.
VariantSteps runVariantSteps(const Row& row, Mode mode);

} // namespace gear::detail
