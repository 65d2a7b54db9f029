// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/text_report.h"

#include "material/steel_table.h"

#include <algorithm>

namespace gear {

std::string resultTablesText(const std::vector<ResultTable>& tables)
{
    std::string text;
    for (const ResultTable& table : tables) {
        if (!text.empty())
            text += '\n';
        text += table.title + '\n';
        std::vector<int> widths;
        for (const std::vector<std::string>& row : table.rows) {
            widths.resize(std::max(widths.size(), row.size()), 0);
            for (size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], utf8Length(row[c]));
        }
        for (const std::vector<std::string>& row : table.rows) {
            std::string line = " ";
            for (size_t c = 0; c < row.size(); ++c) {
                line += ' ' + row[c];
                if (c + 1 < row.size())
                    line.append(static_cast<size_t>(widths[c] - utf8Length(row[c]) + 1), ' ');
            }
            line.erase(line.find_last_not_of(' ') + 1);
            text += line + '\n';
        }
    }
    return text;
}

} // namespace gear
