// SPDX-License-Identifier: GPL-3.0-or-later
// gearcalc: the calculation without its screens. Recomputes a calculation
// file, or a lecturer's list of variants, and prints what the screens would
// show.
#include "file/calculation_file.h"
#include "file/text_report.h"
#include "file/variant_list.h"
#include "geometry/results.h"
#include "shell/walkthrough_text.h"

#include "gear_version.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Exit codes: every row or the file computed; a row or the file refused;
// the command line or a file could not be used at all.
constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUnusable = 2;

constexpr const char* kUsage = R"(Usage: gearcalc [--steps] [--json] FILE
       gearcalc --variants LIST.csv [--output ANSWERS.csv] [--steps DIR]
       gearcalc --version | --help

Recomputes a gear calculation file (.gear) saved by gearwheel and prints its
results tables; --steps adds every formula with its numbers, --json prints the
recomputed file instead.

With --variants, computes every row of a lecturer's CSV list of variants and
writes a CSV of answers (to standard output unless --output is given); with
--steps DIR, also writes each variant's calculation, formula by formula, into
DIR. Bad rows are reported with their line number on standard error and
skipped.

Exit status: 0 when everything was computed, 1 when the file or a row was
refused, 2 when the command line or a file could not be used.
)";

std::optional<std::string> readFile(const std::string& path, std::size_t limit)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "gearcalc: не удаётся открыть " << path << ": " << std::strerror(errno) << '\n';
        return std::nullopt;
    }
    // Read in pieces up to one byte past the limit, so that a larger file
    // is told apart without reading, or making room for, all of it.
    std::string text;
    char piece[1 << 16];
    while (text.size() <= limit && in.read(piece, sizeof piece).gcount() > 0)
        text.append(piece, static_cast<std::size_t>(in.gcount()));
    if (text.size() > limit + 1)
        text.resize(limit + 1);
    if (in.bad()) {
        std::cerr << "gearcalc: не удаётся прочитать " << path << '\n';
        return std::nullopt;
    }
    return text;
}

bool writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "gearcalc: не удаётся записать " << path.string() << '\n';
        return false;
    }
    return true;
}

int computeFile(const std::string& path, bool steps, bool json)
{
    // One byte more than the limit, so that a larger file is told apart.
    const auto text = readFile(path, gear::kMaxCalculationFileSize);
    if (!text)
        return kUnusable;
    const gear::OpenedCalculation opened = gear::openCalculation(*text);
    if (opened.refused()) {
        std::cerr << path << ": " << opened.refusal.text() << '\n';
        return kRefused;
    }
    // A file of an older version is computed all the same; what changed is
    // said beside the results.
    if (!opened.notice.empty())
        std::cerr << path << ": " << gear::noticeText(opened.notice) << '\n';
    if (json) {
        std::cout << gear::calculationText(gear::calculationOf(opened.state));
        return kDone;
    }
    const std::vector<gear::ResultTable> tables = gear::resultTables(opened.state, ".");
    if (tables.empty())
        std::cout << "Ни один расчёт в файле не доведён до результатов.\n";
    else
        std::cout << gear::resultTablesText(tables);
    if (steps)
        std::cout << '\n' << gear::walkthroughText(opened.state, ".");
    return kDone;
}

int computeVariants(const std::string& path, const std::string& output, const std::string& stepsFolder)
{
    // A list of variants is text; a hundred megabytes is far beyond any course.
    const auto text = readFile(path, 100u * 1024 * 1024);
    if (!text)
        return kUnusable;
    if (!stepsFolder.empty()) {
        std::error_code failed;
        std::filesystem::create_directories(stepsFolder, failed);
        if (failed) {
            std::cerr << "gearcalc: не удаётся создать папку " << stepsFolder << ": " << failed.message() << '\n';
            return kUnusable;
        }
    }
    bool written = true;
    gear::VariantObserver writeSteps;
    if (!stepsFolder.empty()) {
        writeSteps = [&](const gear::VariantResult& result, const gear::CalcState& calculation) {
            std::string page = "Вариант " + (result.variant.empty() ? "" : result.variant + ", ") + "строка " +
                               std::to_string(result.line) + " списка\n\n";
            page += gear::modeWalkthroughText(calculation, result.mode, ".") + '\n';
            page += gear::resultTablesText(gear::resultTables(calculation, "."));
            written = written && writeFile(std::filesystem::path(stepsFolder) / gear::variantFileName(result), page);
        };
    }
    const gear::VariantRun run = gear::computeVariants(*text, writeSteps);
    if (!run.fatal.empty()) {
        std::cerr << path << ": " << run.fatal << '\n';
        return kUnusable;
    }
    for (const gear::VariantError& error : run.errors)
        std::cerr << path << ":" << error.line << ": " << error.message << '\n';
    if (!written)
        return kUnusable;
    const std::string answers = gear::answersCsv(run);
    if (output.empty())
        std::cout << answers;
    else if (!writeFile(output, answers))
        return kUnusable;
    return run.errors.empty() ? kDone : kRefused;
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    bool steps = false;
    bool json = false;
    std::string variants;
    std::string output;
    std::string stepsFolder;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                std::cerr << "gearcalc: " << arg << " needs a value\n" << kUsage;
                return false;
            }
            into = args[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return kDone;
        }
        if (arg == "--version" || arg == "-v") {
            std::cout << "gearcalc " << GEAR_VERSION << '\n';
            return kDone;
        }
        if (arg == "--json") {
            json = true;
        } else if (arg == "--variants") {
            if (!value(variants))
                return kUnusable;
        } else if (arg == "--output" || arg == "-o") {
            if (!value(output))
                return kUnusable;
        } else if (arg == "--steps") {
            // With a list of variants --steps names a folder; with a file it
            // takes no value.
            const bool forVariants = std::find(args.begin(), args.end(), "--variants") != args.end();
            if (forVariants) {
                if (!value(stepsFolder))
                    return kUnusable;
            } else {
                steps = true;
            }
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            std::cerr << "gearcalc: unknown option " << arg << '\n' << kUsage;
            return kUnusable;
        } else {
            files.push_back(arg);
        }
    }
    if (!variants.empty()) {
        if (!files.empty() || json) {
            std::cerr << kUsage;
            return kUnusable;
        }
        return computeVariants(variants, output, stepsFolder);
    }
    if (files.size() != 1 || !output.empty()) {
        std::cerr << kUsage;
        return kUnusable;
    }
    return computeFile(files.front(), steps, json);
}
