// SPDX-License-Identifier: GPL-3.0-or-later
#include "file/csv.h"

#include <exception>
#include <istream>
#include <sstream>
#include <streambuf>

namespace gear {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

} // namespace

CsvReader::CsvReader(std::istream& in) : m_in(in.rdbuf())
{
}

// The stream's buffer is read directly, past the stream that would have
// caught what it throws when the file cannot be read (a folder, a disk
// error): a throw ends the text and is kept as a failure.
int CsvReader::get()
{
    if (!m_in || m_failed)
        return kEnd;
    try {
        const int c = m_in->sbumpc();
        if (c != kEnd)
            ++m_bytes;
        return c;
    } catch (const std::exception&) {
        m_failed = true;
        return kEnd;
    }
}

int CsvReader::peek()
{
    if (!m_in || m_failed)
        return kEnd;
    try {
        return m_in->sgetc();
    } catch (const std::exception&) {
        m_failed = true;
        return kEnd;
    }
}

// A byte order mark, as spreadsheet programs write it.
void CsvReader::skipByteOrderMark()
{
    if (peek() == 0xEF) {
        get();
        if (peek() == 0xBB) {
            get();
            if (peek() == 0xBF)
                get();
        }
    }
}

// Past blank lines and comments to the first character of the next row;
// false at the end of the text. The blanks before that character are kept
// in `lead`: they belong to the row's first cell, which is trimmed anyway.
bool CsvReader::skipToRow(std::string& lead)
{
    for (;;) {
        const int c = peek();
        if (c == ' ' || c == '\t' || c == '\r') {
            lead += static_cast<char>(get());
            continue;
        }
        if (c == kEnd)
            return false;
        if (c == '\n') {
            get();
            ++m_line;
            lead.clear();
            continue;
        }
        if (c == '#') {
            for (int skipped = get(); skipped != kEnd && skipped != '\n'; skipped = get()) {
            }
            ++m_line;
            lead.clear();
            continue;
        }
        return true;
    }
}

// The cells of the row to its end, the first begun with `cell`; false where
// a quoted cell never ends.
bool CsvReader::readCells(CsvRecord& record, std::string cell)
{
    std::size_t size = cell.size();
    bool quoted = false;
    const auto keep = [&](char c) {
        if (++size > kMaxCsvRecordSize && !record.tooLong) {
            record.tooLong = true;
            record.cells.clear();
            cell.clear();
        }
        if (!record.tooLong)
            cell += c;
    };
    const auto endCell = [&] {
        if (!record.tooLong)
            record.cells.push_back(std::move(cell));
        cell.clear();
    };
    for (;;) {
        const int c = get();
        if (c == kEnd) {
            if (quoted) {
                m_unclosedLine = record.line;
                return false;
            }
            break;
        }
        if (quoted) {
            if (c == '"') {
                if (peek() == '"') {
                    get();
                    keep('"');
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++m_line;
                keep(static_cast<char>(c));
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            ++size;
            endCell();
        } else if (c == '\n') {
            ++m_line;
            break;
        } else if (c != '\r') {
            keep(static_cast<char>(c));
        }
    }
    endCell();
    return true;
}

bool CsvReader::next(CsvRecord& record)
{
    record = CsvRecord{};
    if (!m_started) {
        m_started = true;
        skipByteOrderMark();
    }
    std::string lead;
    if (!skipToRow(lead))
        return false;
    record.line = m_line;
    std::erase(lead, '\r');
    return readCells(record, std::move(lead));
}

bool parseCsv(std::string_view text, std::vector<CsvRecord>& records, int& badLine)
{
    std::istringstream in{std::string(text)};
    CsvReader reader(in);
    CsvRecord record;
    while (reader.next(record))
        records.push_back(std::move(record));
    badLine = reader.unclosedQuoteLine();
    return badLine == 0;
}

std::string csvCell(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"')
            cell += '"';
        cell += c;
    }
    return cell + '"';
}

} // namespace gear
