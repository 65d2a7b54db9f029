// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/pair_checks.h"

#include "geometry/mesh_checks.h"
#include "geometry/standard_series.h"
#include "shell/number_text.h"

#include <cmath>

namespace gear {

namespace {

std::string shown(double value, int digits = 4)
{
    return numberToText(value, digits, ".");
}

std::string signedPercent(double value)
{
    const std::string text = numberToText(value, 4, ".");
    return value > 0.0 ? "+" + text : text;
}

bool helical(const Quantities& pair)
{
    return pair.beta > 0.0;
}

bool designed(const Quantities& pair)
{
    return pair.m > 0.0 && pair.Z1 > 0.0 && pair.Z2 > 0.0 && pair.d > 0.0;
}

Message verdictAt(const Quantities& pair, size_t index)
{
    const std::vector<VerdictRow> rows = strengthVerdicts(pair);
    return index < rows.size() ? verdictSentence(rows[index]) : Message();
}

bool overloadedAt(const Quantities& pair, size_t index)
{
    const std::vector<VerdictRow> rows = strengthVerdicts(pair);
    return index < rows.size() && rows[index].verdict.word == LoadWord::Overload;
}

} // namespace

std::vector<VerdictRow> strengthVerdicts(const Quantities& pair)
{
    std::vector<VerdictRow> rows;
    if (!pair.sigmaHPfinal.isWritten() || !designed(pair))
        return rows;
    const auto add = [&](std::string_view key, std::string_view symbol, Message condition, double sigma,
                         double allowed) {
        if (const auto verdict = verdictOf(sigma, allowed))
            rows.push_back({key, symbol, std::move(condition), *verdict});
    };
    add("contact", "σH", GEAR_TR("verdict", "Контактная прочность"), pair.sigmaH1, pair.sigmaHPfinal);
    add("bending1", "σF1", GEAR_TR("verdict", "Изгиб зубьев шестерни"), pair.sigmaF1, pair.sigmaFP1final);
    add("bending2", "σF2", GEAR_TR("verdict", "Изгиб зубьев колеса"), pair.sigmaF2, pair.sigmaFP2final);
    return rows;
}

Message loadWordText(LoadWord word)
{
    switch (word) {
    case LoadWord::Overload: return GEAR_TR("verdict", "перегрузка");
    case LoadWord::Normal: return GEAR_TR("verdict", "норма");
    case LoadWord::Reserve: return GEAR_TR("verdict", "запас");
    }
    return {};
}

Message verdictSentence(const VerdictRow& row)
{
    const Verdict& v = row.verdict;
    Message advice;
    if (v.word == LoadWord::Overload)
        advice = GEAR_TR("verdict", ": возьмите больший модуль или более прочную сталь");
    else if (v.word == LoadWord::Reserve)
        advice = GEAR_TR("verdict", ": может хватить меньшего модуля или более узкого венца");
    else
        advice = Message::verbatim("");
    return GEAR_TR("verdict", "%1: %2 = %3 МПа, [%2] = %4 МПа, Δ = %5 % — %6%7")
        .arg(row.condition)
        .arg(std::string(row.symbol))
        .arg(shown(v.sigma))
        .arg(shown(v.allowed))
        .arg(signedPercent(v.delta))
        .arg(loadWordText(v.word))
        .arg(std::move(advice));
}

Message verdictHeading(const Quantities& pair)
{
    return strengthVerdicts(pair).empty() ? Message() : GEAR_TR("verdict", "Проверка условий прочности");
}

Message contactVerdict(const Quantities& pair)
{
    return verdictAt(pair, 0);
}

Message pinionBendingVerdict(const Quantities& pair)
{
    return verdictAt(pair, 1);
}

Message wheelBendingVerdict(const Quantities& pair)
{
    return verdictAt(pair, 2);
}

bool contactOverloaded(const Quantities& pair)
{
    return overloadedAt(pair, 0);
}

bool pinionBendingOverloaded(const Quantities& pair)
{
    return overloadedAt(pair, 1);
}

bool wheelBendingOverloaded(const Quantities& pair)
{
    return overloadedAt(pair, 2);
}

Message ratioNote(const Quantities& pair)
{
    if (!designed(pair) || !(pair.U > 0.0))
        return {};
    const RatioCheck check = ratioCheck(pair.U, pair.Z1, pair.Z2);
    Message note = GEAR_TR("verdict", "Z2 = %1, Uф = Z2/Z1 = %2: отклонение от U = %3 составляет %4 % при "
                                      "допустимых ±%5 %%6")
                       .arg(shown(pair.Z2, 6))
                       .arg(shown(check.Uf))
                       .arg(shown(pair.U))
                       .arg(signedPercent(check.deviation))
                       .arg(shown(check.allowed));
    return std::move(note).arg(check.within ? Message::verbatim("")
                                            : GEAR_TR("verdict", " — подберите другое Z1 или U"));
}

bool ratioOutOfTolerance(const Quantities& pair)
{
    return designed(pair) && pair.U > 0.0 && !ratioCheck(pair.U, pair.Z1, pair.Z2).within;
}

Message centreDistanceNote(const Quantities& pair)
{
    if (!designed(pair) || !(pair.aw > 0.0))
        return {};
    const double standard = standardCentreDistance(pair.aw);
    Message note =
        GEAR_TR("verdict", "aw = %1 мм; ближайшее по ГОСТ 2185-66 — %2 мм%3").arg(shown(pair.aw)).arg(shown(standard));
    const auto beta = helical(pair) ? helixForCentreDistance(pair.m, pair.Z1, pair.Z2, standard) : std::nullopt;
    if (beta)
        return std::move(note).arg(GEAR_TR("verdict", ": его даёт β = %1°").arg(shown(*beta, 5)));
    return std::move(note).arg(Message::verbatim(""));
}

Message speedNote(const Quantities& pair)
{
    if (!pair.n1.isWritten() || !designed(pair))
        return {};
    const double v = pitchLineSpeed(pair.d, pair.n1);
    return GEAR_TR("verdict", "v = π·d1·n1/60000 = %1 м/с: %2-я степень точности по ГОСТ 1643-81")
        .arg(shown(v, 3))
        .arg(std::to_string(accuracyGrade(v, helical(pair))));
}

Message forcesNote(const Quantities& pair)
{
    if (!designed(pair) || !(pair.T1 > 0.0))
        return {};
    const MeshForces f = meshForces(pair.T1, pair.d, pair.beta);
    return GEAR_TR("verdict", "Силы в зацеплении: окружная Ft = %1 Н, радиальная Fr = %2 Н, осевая Fa = %3 Н")
        .arg(shown(f.Ft, 5))
        .arg(shown(f.Fr, 5))
        .arg(shown(f.Fa, 5));
}

Message undercutNote(const Quantities& pair)
{
    if (!undercutFound(pair))
        return {};
    const Undercut u = undercutOf(pair.Z1, pair.beta);
    return GEAR_TR("verdict", "Z1 = %1 < 17·cos³β = %2: подрезание ножки зуба шестерни; его устраняет смещение "
                              "x ≥ %3")
        .arg(shown(pair.Z1, 6))
        .arg(shown(u.zv > 0.0 ? pair.Z1 / u.zv * kLeastUncutTeeth : 0.0))
        .arg(shown(u.xmin, 3));
}

bool undercutFound(const Quantities& pair)
{
    return designed(pair) && undercutOf(pair.Z1, pair.beta).cut;
}

Message contactRatioNote(const Quantities& pair)
{
    if (!designed(pair))
        return {};
    const double ea = transverseContactRatio(pair.Z1, pair.Z2, pair.beta);
    Message note = GEAR_TR("verdict", "εα = %1 (нужно не меньше 1.2)").arg(shown(ea, 3));
    if (!helical(pair))
        return note;
    const double eb = faceContactRatio(pair.bw2, pair.beta, pair.m);
    return GEAR_TR("verdict", "%1, εβ = %2 (нужно не меньше 1.1)").arg(std::move(note)).arg(shown(eb, 3));
}

bool contactRatioLow(const Quantities& pair)
{
    if (!designed(pair))
        return false;
    return transverseContactRatio(pair.Z1, pair.Z2, pair.beta) < kLeastTransverseRatio ||
           (helical(pair) && faceContactRatio(pair.bw2, pair.beta, pair.m) < kLeastFaceRatio);
}

Message rimNote(const Quantities& pair)
{
    if (!designed(pair) || !(pair.bw2 > 0.0) || pair.bw1 >= pair.bw2 + kPinionRimExtra)
        return {};
    return GEAR_TR("verdict", "Венец шестерни делают шире колеса: bw1 = bw2 + 5 = %1 мм")
        .arg(shown(pair.bw2 + kPinionRimExtra));
}

Message blankNote(const Quantities& pair)
{
    if (!designed(pair) || !(pair.steelRow > 0.0))
        return {};
    const auto limit = steelSizeLimit(static_cast<int>(pair.steelRow));
    if (!limit)
        return {};
    const double D = pair.da + kBlankDiameterExtra;
    const double S = pair.bw2 + kBlankThicknessExtra;
    Message note = GEAR_TR("verdict", "Заготовка шестерни Dзаг = da1 + 6 = %1 мм, колеса Sзаг = bw2 + 4 = %2 мм; "
                                      "свойства стали даны для сечений до %3 мм%4")
                       .arg(shown(D))
                       .arg(shown(S))
                       .arg(shown(*limit));
    return std::move(note).arg(blankTooLarge(pair)
                                   ? GEAR_TR("verdict", " — заготовка больше: выберите сталь для большего сечения")
                                   : Message::verbatim(""));
}

bool blankTooLarge(const Quantities& pair)
{
    if (!designed(pair) || !(pair.steelRow > 0.0))
        return false;
    const auto limit = steelSizeLimit(static_cast<int>(pair.steelRow));
    return limit && (pair.da + kBlankDiameterExtra > *limit || pair.bw2 + kBlankThicknessExtra > *limit);
}

std::vector<Message> pairNotes(const Quantities& pair)
{
    std::vector<Message> notes;
    for (Message note : {ratioNote(pair), centreDistanceNote(pair), speedNote(pair), forcesNote(pair),
                         undercutNote(pair), contactRatioNote(pair), rimNote(pair), blankNote(pair)}) {
        if (!note.empty())
            notes.push_back(std::move(note));
    }
    return notes;
}

std::vector<ResultTable> strengthCheckTables(const CalcState& state, std::string_view separator,
                                             const Translator& translate)
{
    std::vector<ResultTable> tables;
    const auto& kept = state.results[static_cast<size_t>(Mode::Transmission)];
    if (!kept)
        return tables;
    const Quantities& pair = kept->values;
    const std::vector<VerdictRow> rows = strengthVerdicts(pair);
    if (rows.empty())
        return tables;
    const auto words = [&](std::string_view source) { return translated(translate, "verdict", source); };
    const auto number = [&](double value, int digits) { return numberToText(value, digits, separator); };
    ResultTable verdicts{words(GEAR_TR_NOOP("verdict", "Проверка условий прочности")),
                         {{words(GEAR_TR_NOOP("verdict", "Условие")), words(GEAR_TR_NOOP("verdict", "σ, МПа")),
                           words(GEAR_TR_NOOP("verdict", "[σ], МПа")), words(GEAR_TR_NOOP("verdict", "Δ, %")),
                           words(GEAR_TR_NOOP("verdict", "Вывод"))}}};
    for (const VerdictRow& row : rows) {
        const Verdict& v = row.verdict;
        verdicts.rows.push_back({row.condition.text(translate), number(v.sigma, 4), number(v.allowed, 4),
                                 withDecimalSeparator(signedPercent(v.delta), separator),
                                 loadWordText(v.word).text(translate)});
    }
    tables.push_back(std::move(verdicts));
    ResultTable notes{words(GEAR_TR_NOOP("verdict", "Геометрия, скорость и силы в зацеплении")), {}};
    for (const Message& note : pairNotes(pair))
        notes.rows.push_back({withDecimalSeparator(note.text(translate), separator)});
    tables.push_back(std::move(notes));
    return tables;
}

Message moduleTakenNote(double mcalc, double m, bool hardened)
{
    const ModuleTaken taken = moduleTaken(mcalc, m, hardened);
    if (taken.overload > 0.0) {
        Message note = hardened ? GEAR_TR("verdict", "Модуль %1 мм меньше расчётного %2 мм: зубья будут перегружены "
                                                     "по изгибу примерно на %3 %.")
                                : GEAR_TR("verdict", "Модуль %1 мм меньше расчётного %2 мм: контактные напряжения "
                                                     "превысят допускаемые примерно на %3 %.");
        return std::move(note).arg(shown(m)).arg(shown(mcalc)).arg(shown(taken.overload, 3));
    }
    if (taken.oversized)
        return GEAR_TR("verdict", "Модуль %1 мм больше расчётного %2 мм более чем на ступень ряда: передача "
                                  "получится больше, чем нужно.")
            .arg(shown(m))
            .arg(shown(mcalc));
    return {};
}

} // namespace gear
