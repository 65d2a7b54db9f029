// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// CSV text as lecturers' spreadsheets write it: read a row at a time, so
// that a text of any length takes the memory of one row, and a cell quoted
// for writing.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace gear {

// The longest row a list may have, in bytes: a row of inputs takes a few
// hundred, and a row is held whole while it is computed.
inline constexpr std::size_t kMaxCsvRecordSize = 64 * 1024;

// One row of a CSV text: its cells and the line it starts on (1-based). A
// row longer than kMaxCsvRecordSize keeps no cells.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> cells;
    bool tooLong = false;
};

// Splits a CSV text into rows as it reads them: cells separated by commas,
// a cell in double quotes may hold commas, line breaks and doubled quotes.
// Blank lines and lines beginning with '#' are skipped.
class CsvReader final {
public:
    explicit CsvReader(std::istream& in);

    // The next row, or false at the end of the text or where a quoted cell
    // never ends (then unclosedQuoteLine() is its line).
    bool next(CsvRecord& record);
    int unclosedQuoteLine() const { return m_unclosedLine; }
    std::uint64_t bytesRead() const { return m_bytes; }
    // The text could not be read to its end.
    bool failed() const { return m_failed; }

private:
    int get();
    int peek();
    void skipByteOrderMark();
    bool skipToRow(std::string& lead);
    bool readCells(CsvRecord& record, std::string cell);

    std::streambuf* m_in;
    int m_line = 1;
    int m_unclosedLine = 0;
    std::uint64_t m_bytes = 0;
    bool m_started = false;
    bool m_failed = false;
};

// The whole of a CSV text at once, for short texts. False, with the line,
// when a quoted cell never ends.
bool parseCsv(std::string_view text, std::vector<CsvRecord>& records, int& badLine);

// A cell of a CSV answer, quoted when it has to be.
std::string csvCell(std::string_view text);

} // namespace gear
