// SPDX-License-Identifier: GPL-3.0-or-later
// gearcalc: the calculation without its screens. Recomputes a calculation
// file, or a lecturer's list of variants, and prints what the screens would
// show.
#include "file/calculation_file.h"
#include "file/grading.h"
#include "file/input_table.h"
#include "file/moodle_quiz.h"
#include "file/text_report.h"
#include "file/variant_list.h"
#include "screens/walkthrough_text.h"
#include "session/session.h"

#include "gear_version.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#if __has_include(<fcntl.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#define GEAR_POSIX 1
#endif

namespace {

// Exit codes: every row or the file computed; a row or the file refused;
// the command line, a file or a write could not be used at all.
constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUnusable = 2;

constexpr const char* kUsageRussian = R"(Использование: gearcalc [--steps] [--json] [--] ФАЙЛ.gear
               gearcalc --variants СПИСОК.csv [--output ОТВЕТЫ.csv] [--steps ПАПКА] [--quiz ТЕСТ.xml]
               gearcalc --grade СПИСОК.csv ФАЙЛ.gear… [--output ОЦЕНКИ.csv]
               gearcalc --report ФАЙЛ.gear -o ОТЧЁТ.pdf|ОТЧЁТ.odt [--author ИМЯ] [--group ГРУППА] [--variant ВАРИАНТ]
               gearcalc --version | --help

Пересчитывает файл расчёта зубчатой передачи (.gear), сохранённый программой
gearwheel, и выводит таблицы исходных данных и результатов; --steps добавляет
каждую формулу с её числами, --json выводит вместо таблиц пересчитанный файл.

С --variants рассчитывает каждую строку списка вариантов (CSV) и пишет CSV
ответов: в стандартный вывод или, с --output, в файл; с --steps ПАПКА ещё и
расчёт каждого варианта, формула за формулой, в ПАПКА; с --quiz ещё и банк
вопросов Moodle (формат Moodle XML, вопрос «Вложенные ответы» на вариант).
Строки, которые не удалось рассчитать, называются с номером строки в
стандартном потоке ошибок и пропускаются. После -- всё считается именами файлов.

С --grade проверяет работы группы: каждый файл сверяется с вариантом списка,
записанным в файле, строка за строкой хода расчёта; пишет CSV оценок (в
стандартный вывод или в --output) и сводку по шагам (в стандартный поток
ошибок). Файл с результатами, исправленными вручную, отмечается, а не
оценивается.

С --report пишет пояснительную записку по файлу расчёта, как «Файл → Отчёт
(PDF)…» программы gearwheel (её и запускает, без окна): PDF или OpenDocument —
по расширению имени.

Код возврата: 0 — всё рассчитано; 1 — файл или строка списка отклонены;
2 — командную строку, файл или запись нельзя использовать.
)";

constexpr const char* kUsageEnglish = R"(Usage: gearcalc [--steps] [--json] [--] FILE.gear
       gearcalc --variants LIST.csv [--output ANSWERS.csv] [--steps DIR] [--quiz QUIZ.xml]
       gearcalc --grade LIST.csv FILE.gear… [--output MARKS.csv]
       gearcalc --report FILE.gear -o NOTE.pdf|NOTE.odt [--author NAME] [--group GROUP] [--variant VARIANT]
       gearcalc --version | --help

Recomputes a gear calculation file (.gear) saved by gearwheel and prints its
input and results tables; --steps adds every formula with its numbers, --json
prints the recomputed file instead.

With --variants, computes every row of a lecturer's CSV list of variants and
writes a CSV of answers: to standard output or, with --output, to a file;
with --steps DIR, also each variant's calculation, formula by formula, into
DIR; with --quiz, also a Moodle question bank (Moodle XML, one embedded
answers question per variant). Rows that cannot be computed are named with
their line number on standard error and skipped. Everything after -- is a
file name.

With --grade, marks a group's files: each file is compared with the variant
of the list it records, line by line of the walkthrough; writes a CSV of
marks (to standard output or --output) and a summary by step (to standard
error). A file whose results were edited by hand is flagged, not marked.

With --report, writes the calculation note of a file as gearwheel's «File →
Report (PDF)…» does (it runs gearwheel, with no window): PDF or OpenDocument,
by the name's suffix.

Exit status: 0 when everything was computed, 1 when the file or a row was
refused, 2 when the command line, a file or a write could not be used.

The calculation's own messages are in Russian, as the files are.
)";

// The language the desktop program speaks: English where the locale it
// starts in is English, Russian everywhere else, C included. Qt takes the
// language from LC_ALL, then LC_NUMERIC, then LANG, and so does this.
bool speaksEnglish()
{
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::string_view(value).substr(0, 2) == "en";
    }
    return false;
}

const char* usage()
{
    return speaksEnglish() ? kUsageEnglish : kUsageRussian;
}

#ifdef GEAR_POSIX
// A standard stream the caller closed gets /dev/null, opened for reading
// only: no file this program opens then takes its number and receives what
// was meant for the terminal, and a write to it fails, as it must.
void occupyClosedStandardStreams()
{
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            const int opened = open("/dev/null", O_RDONLY);
            if (opened != stream && opened >= 0)
                close(opened);
        }
    }
}
#endif

std::string reason()
{
    return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
}

// Standard output written to the end, or a sentence on standard error.
bool standardOutputWritten()
{
    errno = 0;
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    std::cerr << "gearcalc: не удаётся записать в стандартный вывод" << reason() << "; вывод неполон.\n";
    return false;
}

// Only a regular file is read: a named pipe would wait for a writer that may
// never come, a device such as /dev/zero never ends, a folder has no text.
bool isReadableFile(const std::string& path)
{
    std::error_code failed;
    const std::filesystem::file_status status = std::filesystem::status(path, failed);
    if (failed) {
        std::cerr << "gearcalc: не удаётся открыть " << path << ": " << failed.message() << '\n';
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        std::cerr << "gearcalc: " << path << " — папка, а не файл.\n";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        std::cerr << "gearcalc: " << path
                  << " — не обычный файл (канал, устройство или сокет); читаются только файлы.\n";
        return false;
    }
    return true;
}

std::optional<std::string> readFile(const std::string& path, std::size_t limit)
{
    if (!isReadableFile(path))
        return std::nullopt;
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
    // The file is opened as the desktop and the page open it, by the session
    // every front-end drives.
    gear::Session session(".", {});
    const gear::Reply opened = session.open(path, *text);
    if (opened.refused()) {
        std::cerr << opened.message << '\n';
        return kRefused;
    }
    // A file of an older version is computed all the same; what changed is
    // said beside the results.
    if (opened.messageKind == gear::MessageKind::Notice)
        std::cerr << path << ": " << opened.message << '\n';
    if (json) {
        std::cout << gear::calculationWithChecksText(session.state());
        return kDone;
    }
    const std::vector<gear::ResultTable> tables = session.reportTables();
    if (tables.empty())
        std::cout << "Ни один расчёт в файле не доведён до результатов.\n";
    else
        std::cout << gear::resultTablesText(tables);
    if (steps)
        std::cout << '\n' << session.walkthroughText();
    return kDone;
}

// The walkthroughs of one run, each in a file of its own: a name that an
// earlier variant of the run took — the same name, or one a case-blind file
// system takes for it — is never written over.
class WalkthroughFolder {
public:
    explicit WalkthroughFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    std::filesystem::path place(const gear::VariantResult& result)
    {
        std::string name = gear::variantFileName(result);
        if (taken(name))
            name = "line-" + std::to_string(result.line) + ".txt";
        for (int copy = 2; taken(name); ++copy)
            name = "line-" + std::to_string(result.line) + "-" + std::to_string(copy) + ".txt";
        m_taken.insert(folded(name));
        return m_folder / name;
    }

private:
    static std::string folded(std::string name)
    {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        return name;
    }
    bool taken(const std::string& name) const { return m_taken.count(folded(name)) != 0; }

    std::filesystem::path m_folder;
    std::set<std::string> m_taken;
};

// Opens a list of variants and reads it through once: a list that cannot
// be used is refused before anything is computed, and the answers' header
// knows its columns before the first row. kDone, or the exit status.
int openList(const std::string& path, std::ifstream& list, gear::VariantListSurvey& survey)
{
    if (!isReadableFile(path))
        return kUnusable;
    const auto tooLarge = [&] {
        std::cerr << path << ": список больше " << gear::kMaxVariantListSize / (1024 * 1024)
                  << " МиБ: столько вариантов не бывает, это не список вариантов.\n";
        return kUnusable;
    };
    std::error_code sizeUnknown;
    if (std::filesystem::file_size(path, sizeUnknown) > gear::kMaxVariantListSize && !sizeUnknown)
        return tooLarge();
    list.open(path, std::ios::binary);
    if (!list) {
        std::cerr << "gearcalc: не удаётся открыть " << path << ": " << std::strerror(errno) << '\n';
        return kUnusable;
    }
    survey = gear::surveyVariants(list);
    if (!survey.fatal.empty()) {
        std::cerr << path << ": " << survey.fatal << '\n';
        return kUnusable;
    }
    list.clear();
    list.seekg(0);
    return kDone;
}

// One variant's walkthrough and results, as its page in the folder.
std::string variantPage(const gear::VariantResult& result, const gear::CalcState& calculation)
{
    std::string page = "Вариант " + (result.variant.empty() ? "" : result.variant + ", ") + "строка " +
                       std::to_string(result.line) + " списка\n\n";
    page += gear::modeWalkthroughText(calculation, result.mode, ".") + '\n';
    page += gear::resultTablesText(gear::reportTables(calculation, "."));
    return page;
}

// Opens the file the answers go to. Answers cut short are removed, lest
// they pass for a shorter list; but only from a plain file of their own,
// never a device such as /dev/full or what a link points to: `removable`
// says which.
bool openAnswers(const std::string& output, std::ofstream& file, bool& removable)
{
    std::error_code unknown;
    const std::filesystem::file_status before = std::filesystem::symlink_status(output, unknown);
    removable = !unknown && (!std::filesystem::exists(before) || std::filesystem::is_regular_file(before));
    file.open(output, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::cerr << "gearcalc: не удаётся создать " << output << ": " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

// Where a list's answers go besides standard output: the answers' file, the
// question bank and the folder of walkthroughs.
struct VariantOutputs {
    std::optional<WalkthroughFolder> walkthroughs;
    std::ofstream file;
    bool removable = false;
    std::ofstream quiz;
};

// Opens what --steps, --output and --quiz name; false, said, when one cannot
// be made.
bool openVariantOutputs(const std::string& path, const std::string& output, const std::string& stepsFolder,
                        const std::string& quizPath, VariantOutputs& out)
{
    if (!stepsFolder.empty()) {
        std::error_code failed;
        std::filesystem::create_directories(stepsFolder, failed);
        if (failed) {
            std::cerr << "gearcalc: не удаётся создать папку " << stepsFolder << ": " << failed.message() << '\n';
            return false;
        }
        out.walkthroughs.emplace(stepsFolder);
    }
    if (!output.empty() && !openAnswers(output, out.file, out.removable))
        return false;
    if (!quizPath.empty()) {
        out.quiz.open(quizPath, std::ios::binary | std::ios::trunc);
        if (!out.quiz) {
            std::cerr << "gearcalc: не удаётся создать " << quizPath << ": " << std::strerror(errno) << '\n';
            return false;
        }
        out.quiz << gear::quizHead(std::filesystem::path(path).stem().string());
    }
    return true;
}

// Ends the question bank and the answers' file, raising `failed` when either
// cannot be written to its end; what is cut short is removed, lest it pass
// for a shorter list.
void closeVariantOutputs(const std::string& output, const std::string& quizPath, VariantOutputs& out, bool& failed)
{
    if (out.quiz.is_open()) {
        out.quiz << gear::quizTail();
        out.quiz.close();
        if (!out.quiz && !failed) {
            std::cerr << "gearcalc: не удаётся записать " << quizPath << '\n';
            failed = true;
        }
        if (failed) {
            std::error_code ignored;
            std::filesystem::remove(quizPath, ignored);
        }
    }
    if (!output.empty()) {
        errno = 0;
        out.file.close();
        if (!failed && !out.file) {
            std::cerr << "gearcalc: не удаётся записать ответы в " << output << reason() << "; ответы неполны.\n";
            failed = true;
        }
        if (failed && out.removable) {
            std::error_code ignored;
            std::filesystem::remove(output, ignored);
        }
    }
}

int computeVariants(const std::string& path, const std::string& output, const std::string& stepsFolder,
                    const std::string& quizPath)
{
    std::ifstream list;
    gear::VariantListSurvey survey;
    if (const int unusable = openList(path, list, survey); unusable != kDone)
        return unusable;
    VariantOutputs out;
    if (!openVariantOutputs(path, output, stepsFolder, quizPath, out))
        return kUnusable;
    std::ostream& answers = output.empty() ? std::cout : out.file;
    const std::string answersName = output.empty() ? "стандартный вывод" : output;
    bool failed = false;
    const auto written = [&] {
        if (!answers) {
            std::cerr << "gearcalc: не удаётся записать ответы в " << answersName << reason() << "; ответы неполны.\n";
            failed = true;
        }
        return !failed;
    };
    // One variant's answers, question and walkthrough; false stops the list.
    const auto writeRow = [&](const gear::VariantResult& result, const gear::CalcState& calculation) {
        errno = 0;
        answers << gear::answersRow(result, survey.modes);
        if (!written())
            return false;
        if (out.quiz.is_open()) {
            out.quiz << gear::quizQuestion(result, calculation, gear::kDefaultSelfCheckTolerance);
            if (!out.quiz) {
                std::cerr << "gearcalc: не удаётся записать " << quizPath << reason() << '\n';
                failed = true;
                return false;
            }
        }
        if (out.walkthroughs && !writeFile(out.walkthroughs->place(result), variantPage(result, calculation))) {
            failed = true;
            return false;
        }
        return true;
    };
    errno = 0;
    answers << gear::answersHeader(survey.modes);
    bool refused = false;
    bool read = true;
    if (written()) {
        read = gear::computeVariants(list, writeRow, [&](const gear::VariantError& error) {
            refused = true;
            std::cerr << path << ":" << error.line << ": " << error.message << '\n';
        });
    }
    if (!read) {
        std::cerr << "gearcalc: не удаётся прочитать " << path << " до конца\n";
        failed = true;
    }
    closeVariantOutputs(output, quizPath, out, failed);
    if (failed)
        return kUnusable;
    return refused ? kRefused : kDone;
}

// The lecturer's marking of a group's files against a list of variants.
int gradeGroup(const std::string& listPath, const std::vector<std::string>& paths, const std::string& output)
{
    const auto list = readFile(listPath, gear::kMaxVariantListSize);
    if (!list)
        return kUnusable;
    if (list->size() > gear::kMaxVariantListSize) {
        std::cerr << listPath << ": список больше " << gear::kMaxVariantListSize / (1024 * 1024) << " МиБ.\n";
        return kUnusable;
    }
    std::vector<gear::StudentFile> files;
    for (const std::string& path : paths) {
        // A file that cannot be read is marked as refused, with the reason
        // readFile said; the others are marked all the same.
        const auto text = readFile(path, gear::kMaxCalculationFileSize);
        files.push_back({path, text.value_or(std::string())});
    }
    const gear::GroupMarks marks = gear::markGroup(*list, files);
    if (!marks.fatal.empty()) {
        std::cerr << listPath << ": " << marks.fatal << '\n';
        return kUnusable;
    }
    for (const gear::VariantError& error : marks.listRows)
        std::cerr << listPath << ":" << error.line << ": " << error.message << '\n';
    const std::string table = gear::marksCsv(marks);
    if (output.empty()) {
        std::cout << table;
    } else if (!writeFile(output, table)) {
        std::error_code ignored;
        std::filesystem::remove(output, ignored);
        return kUnusable;
    }
    std::cerr << "Ошибки по шагам:\n" << gear::stepSummaryText(marks);
    const bool allMarked = std::all_of(marks.students.begin(), marks.students.end(),
                                       [](const gear::StudentMark& m) { return m.status == gear::MarkStatus::Marked; });
    return allMarked && marks.listRows.empty() ? kDone : kRefused;
}

// The note is laid out by the desktop program's own report, so that the
// window and the command line give the same note while gearcalc needs no Qt:
// gearcalc hands its command line to the gearwheel installed beside it.
int writeReport(const std::vector<std::string>& args)
{
    // What gearwheel takes with --report; anything else is this command
    // line's fault, said here with this program's exit status.
    for (size_t i = 0; i < args.size(); ++i) {
        const bool known = args[i] == "--report" || args[i] == "-o" || args[i] == "--output" || args[i] == "--author" ||
                           args[i] == "--group" || args[i] == "--variant";
        if (!known || i + 1 >= args.size()) {
            std::cerr << "gearcalc: "
                      << (known ? "после " + args[i] + " нужно значение" : "с --report не задают " + args[i]) << ".\n"
                      << usage();
            return kUnusable;
        }
        ++i;
    }
#ifdef GEAR_POSIX
    std::error_code unknown;
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", unknown);
    const std::filesystem::path desktop = self.parent_path() / "gearwheel";
    if (unknown || !std::filesystem::is_regular_file(desktop, unknown)) {
        std::cerr << "gearcalc: отчёт составляет программа gearwheel, а рядом с gearcalc её нет"
                  << (unknown ? "" : " (" + desktop.string() + ")") << ".\n";
        return kUnusable;
    }
    std::vector<std::string> line{desktop.string()};
    line.insert(line.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : line)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::cout.flush();
    execv(argv.front(), argv.data());
    std::cerr << "gearcalc: не удаётся запустить " << desktop.string() << reason() << '\n';
#else
    (void)args;
    std::cerr << "gearcalc: отчёт здесь не составить; его пишет «Файл → Отчёт (PDF)…» программы gearwheel.\n";
#endif
    return kUnusable;
}

struct Arguments {
    bool steps = false;
    bool json = false;
    std::string variants;
    std::string grade;
    std::string quiz;
    std::string output;
    std::string stepsFolder;
    std::vector<std::string> files;
};

// Reads the command line; an exit status when that answers it already
// (--help, --version) or it cannot be used, said on standard error.
std::optional<int> readArguments(const std::vector<std::string>& args, Arguments& a)
{
    // With a list of variants --steps names a folder; with a file it takes
    // no value.
    const auto optionsEnd = std::find(args.begin(), args.end(), "--");
    const bool forVariants = std::find(args.begin(), optionsEnd, "--variants") != optionsEnd;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                std::cerr << "gearcalc: после " << arg << " нужно значение.\n" << usage();
                return false;
            }
            into = args[++i];
            return true;
        };
        bool valueRead = true;
        if (!options || arg.empty() || arg[0] != '-' || arg == "-") {
            a.files.push_back(arg);
        } else if (arg == "--") {
            options = false;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << usage();
            return kDone;
        } else if (arg == "--version" || arg == "-v") {
            std::cout << "gearcalc " << GEAR_VERSION << '\n';
            return kDone;
        } else if (arg == "--json") {
            a.json = true;
        } else if (arg == "--variants") {
            valueRead = value(a.variants);
        } else if (arg == "--grade") {
            valueRead = value(a.grade);
        } else if (arg == "--quiz") {
            valueRead = value(a.quiz);
        } else if (arg == "--output" || arg == "-o") {
            valueRead = value(a.output);
        } else if (arg == "--steps") {
            if (forVariants)
                valueRead = value(a.stepsFolder);
            else
                a.steps = true;
        } else {
            std::cerr << "gearcalc: неизвестный параметр " << arg << ".\n" << usage();
            return kUnusable;
        }
        if (!valueRead)
            return kUnusable;
    }
    return std::nullopt;
}

int run(const std::vector<std::string>& args)
{
    const auto optionsEnd = std::find(args.begin(), args.end(), "--");
    if (std::find(args.begin(), optionsEnd, "--report") != optionsEnd)
        return writeReport(args);
    Arguments a;
    if (const std::optional<int> answered = readArguments(args, a))
        return *answered;
    if (!a.grade.empty()) {
        if (!a.variants.empty() || a.json || a.steps || !a.quiz.empty() || a.files.empty()) {
            std::cerr << "gearcalc: с --grade задают список и файлы работ, и только --output.\n" << usage();
            return kUnusable;
        }
        return gradeGroup(a.grade, a.files, a.output);
    }
    if (!a.quiz.empty() && a.variants.empty()) {
        std::cerr << "gearcalc: --quiz пишет вопросы по списку вариантов (--variants).\n" << usage();
        return kUnusable;
    }
    if (!a.variants.empty()) {
        if (!a.files.empty() || a.json) {
            std::cerr << "gearcalc: с --variants не задают ни ФАЙЛ.gear, ни --json.\n" << usage();
            return kUnusable;
        }
        return computeVariants(a.variants, a.output, a.stepsFolder, a.quiz);
    }
    if (!a.output.empty()) {
        std::cerr << "gearcalc: --output записывает ответы списка вариантов (--variants); результаты файла расчёта "
                     "выводятся в стандартный вывод: gearcalc ФАЙЛ.gear > ИМЯ.txt\n";
        return kUnusable;
    }
    if (a.files.size() != 1) {
        std::cerr << (a.files.empty() ? "gearcalc: не задан файл расчёта.\n" : "gearcalc: файл расчёта задают один.\n")
                  << usage();
        return kUnusable;
    }
    return computeFile(a.files.front(), a.steps, a.json);
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef GEAR_POSIX
    occupyClosedStandardStreams();
#endif
    const int status = run(std::vector<std::string>(argv + 1, argv + argc));
    // What went to standard output reached it, or the run failed.
    if (!standardOutputWritten())
        return kUnusable;
    return status;
}
