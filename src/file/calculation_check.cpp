// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of a calculation: its steps replayed on a fresh state, the
// replay compared with what the file says, and the notice for a file of an
// older version whose results the mended formulas change.
#include "file/calculation_check.h"

#include "file/excerpt.h"
#include "screens/walkthrough_text.h"
#include "shell/angle.h"
#include "shell/input_range.h"
#include "shell/mode_commands.h"
#include "shell/number_text.h"
#include "shell/parameters.h"
#include "shell/reference_tables.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace gear {

namespace {

bool sameNumber(double stored, double computed)
{
    // The same build gives the same bits; another build's mathematics
    // library may differ in the last place of a cosine or a cube root.
    return std::abs(stored - computed) <= 1e-12 * std::max(std::abs(stored), std::abs(computed));
}

// A number of the notice: to the walkthrough's digits, "нет" when none.
Message noticeNumber(Number value)
{
    return value.isWritten() ? Message::verbatim(numberToText(value, kResultDigits, ".")) : GEAR_TR("file", "нет");
}

// "sigmaH2 393.548 → 787.096" for each result of the mode that changed.
std::vector<std::string> changedResults(const ModeResults& stored, const ModeResults& computed, Mode mode)
{
    std::vector<std::string> changed;
    for (const std::string_view name : resultFields(mode)) {
        const Number Quantities::*field = numberField(name)->field;
        const Number a = stored.values.*field;
        const Number b = computed.values.*field;
        if (a.isWritten() != b.isWritten() || !sameNumber(a, b))
            changed.push_back(std::string(name) + " " + noticeNumber(a).text() + " → " + noticeNumber(b).text());
    }
    if (stored.steelGrade != computed.steelGrade)
        changed.push_back("steelGrade «" + stored.steelGrade + "» → «" + computed.steelGrade + "»");
    return changed;
}

// The refusal that ended a mode's chain in the run, with its screen.
Message refusalOfChain(const CalcState& state, Mode mode)
{
    if (const std::vector<StepGroup>* groups = state.walkthrough.of(mode)) {
        for (const StepGroup& group : *groups) {
            if (!group.refusal.empty())
                return GEAR_TR("file", "экран %1: %2").arg(std::string(screenName(group.screen))).arg(group.refusal);
        }
    }
    return GEAR_TR("file", "его экраны не доводят расчёт до результатов.");
}

// Whether an Ok of another mode's chain ran between the first screen of
// `mode`'s chain and its input screen: before 1.2 the modes shared the
// material, and that Ok changed the one this chain computed with.
bool chainInterleaved(const std::vector<GivenStep>& steps, Mode mode, ScreenId input)
{
    std::optional<size_t> first;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].mode == mode && !first)
            first = i;
        if (steps[i].mode == mode && steps[i].screen == input) {
            for (size_t j = *first + 1; j < i; ++j) {
                if (steps[j].mode != mode && steps[j].mode != Mode::Wheel)
                    return true;
            }
            return false;
        }
    }
    return false;
}

// The sentences of the mends that reach a mode's results, one per kind.
std::vector<Message> mendsOf(Mode mode, const CalcState& run, const Calculation& file, const OlderFile& older)
{
    std::vector<Message> why;
    const Material& material = run.materials[static_cast<size_t>(mode)];
    const auto& computed = run.results[static_cast<size_t>(mode)];
    switch (mode) {
    case Mode::Transmission: {
        const auto& stored = file.results[static_cast<size_t>(mode)];
        if (stored && !isWholeNumber(stored->values.Z2))
            why.push_back(GEAR_TR("file", "Число зубьев колеса Z2 = U·Z1 теперь округляется до целого, и дальше везде "
                                          "берётся фактическое передаточное число Uф = Z2/Z1."));
        const bool soft = material.isHB && !material.isHRC;
        if (soft) {
            why.push_back(GEAR_TR("file", "Проектный расчёт мягких зубьев: момент T2 входит в формулы межосевого "
                                          "расстояния и модуля в Н·мм (·1000), как в расчёте на изгиб; прежде aw и "
                                          "модуль выходили в 10 раз меньше."));
            why.push_back(GEAR_TR("file", "Допускаемое контактное напряжение пары — меньшее из σHP1 и σHP2, а не "
                                          "напряжение шестерни."));
            why.push_back(GEAR_TR("file", "Модуль мягких зубьев — больший из модуля по изгибу и модуля, который даёт "
                                          "рассчитанное межосевое расстояние при заданном Z1."));
            why.push_back(GEAR_TR("file", "В проверке рабочих напряжений коэффициент формы зуба YF берётся из таблицы "
                                          "по zv каждого колеса, а не 4 из проектного расчёта."));
        }
        // The old table rose again from its key 100, which a zv from 90
        // takes as the nearer key.
        const double c = computed ? cosDegrees(computed->values.beta) : 1.0;
        if (computed && computed->values.Z2 / (c * c * c) >= 90)
            why.push_back(GEAR_TR("file", "Коэффициент формы зуба YF при zv от 80 и выше равен 3.74, как в таблице, "
                                          "из которой он взят; прежде он снова рос до 4.47."));
        why.push_back(GEAR_TR("file", "Контактное напряжение в зацеплении одно: σH2 = σH1; прежде σH2 считалось по "
                                      "диаметру колеса и выходило в √U раз меньше."));
        if (older.loadFactorsRaised)
            why.push_back(GEAR_TR("file", "Коэффициенты нагрузки KFβ и KHβ (и kF, kH) по умолчанию равны 1, а не 0.8: "
                                          "коэффициент нагрузки не бывает меньше единицы."));
        if (chainInterleaved(file.steps, Mode::Transmission, ScreenId::Vvod2))
            why.push_back(GEAR_TR("file", "Проектный расчёт ведётся с материалом своей цепочки экранов, а не с тем, "
                                          "что выбран позже в режиме «Проверка»."));
        break;
    }
    case Mode::Wheel:
        why.push_back(GEAR_TR("file", "Диаметры колеса считаются от принятого модуля: d = m·z/cos β, da = d + 2m, "
                                      "df = d − 2.5m; прежде d = da − 2m от введённого da, и таблица эскиза "
                                      "противоречила себе."));
        break;
    case Mode::Check:
        why.push_back(GEAR_TR("file", "Допускаемая нагрузка считается как обратная задача проектного расчёта на изгиб: "
                                      "с 0.4·σF lim, коэффициентом формы зуба YF, коэффициентом нагрузки 1.5 и Yβ; "
                                      "прежде предел выносливости брался как рабочее напряжение."));
        if (chainInterleaved(file.steps, Mode::Check, ScreenId::Vvod3))
            why.push_back(GEAR_TR("file", "Проверка ведётся с материалом своей цепочки экранов, а не с напряжениями, "
                                          "которые оставил расчёт передачи."));
        break;
    }
    return why;
}

} // namespace

// The catalogue entry of a screen whose Ok a file brings back: an option,
// row or list item under its `choiceKey`, or texts under their `fileKey`, in
// the order the Ok reads them. None for a screen no chain runs.
const ScreenEntry* formOf(ScreenId screen)
{
    const ScreenEntry& entry = screenEntry(screen);
    return entry.ok && !entry.modes.empty() ? &entry : nullptr;
}

bool choiceOutOfRange(const ScreenEntry& form, int choice)
{
    return choice < form.lowestChoice || choice > form.highestChoice;
}

const NumberField* numberField(std::string_view name)
{
    for (const NumberField& field : kNumberFields) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}

Message modeName(Mode mode)
{
    return Message("mode", modeTitle(mode));
}

// The chains of the file against the run of its steps: the same Oks, given
// the same.
Message compareSteps(const Calculation& file, const Calculation& run)
{
    for (size_t i = 0; i < file.steps.size(); ++i) {
        if (i >= run.steps.size() || !(run.steps[i] == file.steps[i])) {
            const GivenStep& step = file.steps[i];
            return GEAR_TR("file", "Экран %1 расчёта «%2» при данных файла не выполняется так, как записано: файл "
                                   "изменён или повреждён.")
                .arg(std::string(screenName(step.screen)))
                .arg(modeName(step.mode));
        }
    }
    return {};
}

// The results the file holds against those of the run: the same ones.
Message compareResults(const Calculation& file, const Calculation& run)
{
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        const std::string path = "modes." + std::string(kModeKeys[m]) + ".results";
        const auto& stored = file.results[m];
        const auto& computed = run.results[m];
        if (stored && !computed)
            return GEAR_TR("file", "В файле есть результаты расчёта «%1» (%2), но его экраны не доводят расчёт до "
                                   "результатов.")
                .arg(modeName(mode))
                .arg(path);
        if (!stored && computed)
            return GEAR_TR("file", "В файле нет результатов расчёта «%1» (%2), хотя его экраны доводят расчёт до них.")
                .arg(modeName(mode))
                .arg(path);
        if (!stored)
            continue;
        for (const std::string_view name : resultFields(mode)) {
            const Number Quantities::*field = numberField(name)->field;
            const Number a = stored->values.*field;
            const Number b = computed->values.*field;
            if (a.isWritten() != b.isWritten() || !sameNumber(a, b)) {
                const auto number = [](Number value) {
                    return value.isWritten() ? Message::verbatim(numberToText(value)) : GEAR_TR("file", "нет");
                };
                return GEAR_TR("file", "Результат %1 в файле (%2) не совпадает с пересчитанным (%3): файл изменён "
                                       "вручную или записан другой версией расчёта.")
                    .arg(path + "." + std::string(name))
                    .arg(number(a))
                    .arg(number(b));
            }
        }
        if (stored->steelGrade != computed->steelGrade)
            return GEAR_TR("file", "Результат %1.steelGrade в файле («%2») не совпадает с пересчитанным («%3»).")
                .arg(path)
                .arg(excerpt(stored->steelGrade))
                .arg(computed->steelGrade);
    }
    return {};
}

// The notice of a file whose results the run changes: which results, old →
// new, and why. Empty when none changed.
std::vector<Message> migrationNotice(const Calculation& file, const Calculation& run, const CalcState& state,
                                     const OlderFile& older)
{
    std::vector<Message> lines;
    std::vector<Message> why;
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        const auto& stored = file.results[m];
        const auto& computed = run.results[m];
        if (!stored)
            continue;
        if (!computed) {
            lines.push_back(GEAR_TR("file", "«%1»: результатов больше нет — %2 Введённое осталось на экранах.")
                                .arg(modeName(mode))
                                .arg(refusalOfChain(state, mode)));
            continue;
        }
        const std::vector<std::string> changed = changedResults(*stored, *computed, mode);
        if (changed.empty())
            continue;
        std::string list;
        for (const std::string& item : changed)
            list += (list.empty() ? "" : "; ") + item;
        lines.push_back(GEAR_TR("file", "«%1»: %2.").arg(modeName(mode)).arg(list));
        for (Message& sentence : mendsOf(mode, state, file, older)) {
            if (std::find(why.begin(), why.end(), sentence) == why.end())
                why.push_back(std::move(sentence));
        }
    }
    if (lines.empty())
        return {};
    std::vector<Message> notice;
    notice.push_back(older.version < kCalculationVersion
                         ? GEAR_TR("file", "Файл записан прежней версией программы (формат version %1). Его данные "
                                           "пересчитаны по исправленным формулам; изменились результаты:")
                               .arg(std::to_string(older.version))
                         : GEAR_TR("file", "Данные файла пересчитаны; изменились результаты:"));
    notice.insert(notice.end(), lines.begin(), lines.end());
    if (!why.empty()) {
        notice.push_back(GEAR_TR("file", "Почему:"));
        notice.insert(notice.end(), why.begin(), why.end());
    }
    notice.push_back(GEAR_TR("file", "При сохранении в файл запишутся новые результаты."));
    return notice;
}

// Brings each coefficient of the set into its range, saying so for each
// one that was not.
std::vector<Message> bringIntoRange(CoefficientSet& defaults, bool& loadFactorsRaised)
{
    std::vector<Message> said;
    for (const CoefficientInfo& info : kCoefficients) {
        double& value = defaults.*info.preset;
        const Message why = coefficientRangeRefusal(info, value);
        if (why.empty())
            continue;
        const double taken = std::clamp(value, info.low, info.high);
        if (info.loadFactor && value < info.low)
            loadFactorsRaised = true;
        said.push_back(GEAR_TR("file", "Коэффициент %1 в файле равен %2; принят %3. %4")
                           .arg(std::string(info.name))
                           .arg(numberToText(Number(value)))
                           .arg(numberToText(Number(taken)))
                           .arg(why));
        value = taken;
    }
    return said;
}

bool sameResults(const std::optional<ModeResults>& a, const std::optional<ModeResults>& b, Mode mode)
{
    if (a.has_value() != b.has_value())
        return false;
    if (!a)
        return true;
    for (const std::string_view name : resultFields(mode)) {
        const Number Quantities::*field = numberField(name)->field;
        if ((a->values.*field).isWritten() != (b->values.*field).isWritten() ||
            !sameNumber(a->values.*field, b->values.*field))
            return false;
    }
    return a->steelGrade == b->steelGrade;
}

std::vector<std::string_view> resultFields(Mode mode)
{
    switch (mode) {
    case Mode::Transmission:
        return {"m",   "Z1", "Z2", "beta", "d",   "d2",      "da",      "da2",     "df",
                "df2", "aw", "bw", "bw1",  "bw2", "sigmaF1", "sigmaF2", "sigmaH1", "sigmaH2"};
    case Mode::Wheel:
        return {"mcalc",  "m",      "Z1", "beta", "d", "df",     "da", "dvStd", "bw1",
                "dstStd", "LstStd", "D0", "d0",   "C", "Delta0", "R",  "L"};
    case Mode::Check: return {"m", "Psibm", "Tcalc"};
    }
    return {};
}

Calculation calculationOf(const CalcState& state)
{
    Calculation calculation;
    calculation.defaults = state.defaults;
    std::vector<std::pair<unsigned long, GivenStep>> ordered;
    for (size_t m = 0; m < kModeCount; ++m) {
        const Mode mode = static_cast<Mode>(m);
        if (const std::vector<StepGroup>* groups = state.walkthrough.of(mode)) {
            for (const StepGroup& group : *groups) {
                if (isScreenOfMode(group.screen, mode))
                    ordered.push_back({group.serial, {mode, group.screen, group.given}});
            }
        }
        if (const auto& kept = state.results[m]) {
            ModeResults results;
            for (const std::string_view name : resultFields(mode)) {
                Number Quantities::*field = numberField(name)->field;
                results.values.*field = kept->values.*field;
            }
            if (mode == Mode::Transmission)
                results.steelGrade = kept->steelGrade;
            calculation.results[m] = std::move(results);
        }
    }
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [serial, step] : ordered) {
        // A screen that ran with no option of its own marked — the final
        // material's list showing nothing, a steel screen whose rule needs no
        // grade — ran as with none.
        const ScreenEntry* form = formOf(step.screen);
        if (form && !form->choiceKey.empty() && choiceOutOfRange(*form, step.given.choice))
            step.given.choice = 0;
        calculation.steps.push_back(std::move(step));
    }
    calculation.selfCheck = state.selfCheck;
    return calculation;
}

Outcome runStep(CalcState& state, const GivenStep& step)
{
    if (state.mode != step.mode) {
        switch (step.mode) {
        case Mode::Transmission: chooseTransmissionMode(state); break;
        case Mode::Wheel: chooseWheelMode(state); break;
        case Mode::Check: chooseCheckMode(state); break;
        }
    }
    return runOk(state, step.screen, step.given);
}

void replay(CalcState& state, const CoefficientSet& defaults, const std::vector<GivenStep>& steps,
            const StepObserver& after)
{
    state = CalcState{};
    state.defaults = defaults;
    writeDefaultCoefficients(state);
    state.stdSizes = kStdSizes;
    for (const GivenStep& step : steps) {
        const Outcome outcome = runStep(state, step);
        if (after)
            after(step, outcome);
    }
}

std::vector<ScreenId> reopen(CalcState& state, const Calculation& calculation, const StepObserver& after)
{
    std::optional<GivenStep> lastStep;
    Outcome lastOutcome;
    replay(state, calculation.defaults, calculation.steps, [&](const GivenStep& step, const Outcome& outcome) {
        if (after)
            after(step, outcome);
        lastStep = step;
        lastOutcome = outcome;
    });
    state.selfCheck = calculation.selfCheck;
    std::vector<ScreenId> open;
    if (!lastStep)
        return open;
    if (lastOutcome.refused() || !lastOutcome.leave)
        open.push_back(lastStep->screen);
    if (lastOutcome.next && !lastOutcome.refused())
        open.push_back(*lastOutcome.next);
    return open;
}

} // namespace gear
