// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/wheel_drawing.h"
#include "shell/calc_state.h"

#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace gear {

// A picture on screen, in millimetres of the screen: the scale that fills
// it, or the largest standard one.
inline DrawingTarget screenArea(double width, double height, bool standardScale = false)
{
    DrawingTarget target;
    target.paper = false;
    target.width = width;
    target.height = height;
    target.standardScale = standardScale;
    return target;
}

// A typed text spelt out for a case name: "-4,5" as "minus4comma5".
inline std::string spelt(const std::string& text)
{
    std::string words;
    for (const char c : text) {
        switch (c) {
        case ',': words += "comma"; break;
        case '.': words += "point"; break;
        case '-': words += "minus"; break;
        case '+': words += "plus"; break;
        default: words += c;
        }
    }
    return words.empty() ? "empty" : words;
}

// A readable, unique name for a parameterised case: the case's text spelt
// out, with every character a test name cannot hold written as "_", and
// its index.
inline std::string caseName(const std::string& text, size_t index)
{
    std::string name;
    for (const char c : spelt(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 128 && std::isalnum(byte))
            name += c;
        else if (name.empty() || name.back() != '_')
            name += '_';
    }
    return name + (name.empty() || name.back() == '_' ? "" : "_") + std::to_string(index);
}

inline std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The C library's locale switched, for the life of the object, to one that
// writes a decimal comma, as Qt switches it on a Russian desktop. Where no
// such locale is generated the test is skipped, or fails when the run asks
// for it (GEAR_REQUIRE_COMMA_LOCALE, as test.sh does after generating it).
class CommaLocale {
public:
    CommaLocale()
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        m_old = old ? old : "C";
        for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
                m_active = true;
                return;
            }
        }
        std::setlocale(LC_ALL, m_old.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool active() const { return m_active; }
    static bool required() { return std::getenv("GEAR_REQUIRE_COMMA_LOCALE") != nullptr; }

private:
    std::string m_old;
    bool m_active = false;
};

// Skips (or fails, when a comma locale is required) the test that has no
// comma locale to run in.
#define GEAR_NEED_COMMA_LOCALE(locale)                                                                                 \
    do {                                                                                                               \
        if (!(locale).active()) {                                                                                      \
            if (CommaLocale::required())                                                                               \
                FAIL() << "no locale with a decimal comma is generated";                                               \
            GTEST_SKIP() << "no locale with a decimal comma is generated";                                             \
        }                                                                                                              \
    } while (false)

// Two states that hold the same calculation: every number (its value and
// whether it was written), every flag, the mode, the steel, each mode's
// material, the tables and the kept results — all but the walkthrough,
// where a refusal is said.
inline testing::AssertionResult sameCalculation(const CalcState& a, const CalcState& b)
{
    for (const NumberField& field : kNumberFields) {
        const Number x = a.*field.field;
        const Number y = b.*field.field;
        if (x.isWritten() != y.isWritten() || double(x) != double(y))
            return testing::AssertionFailure() << field.name << ": " << double(x) << (x.isWritten() ? "" : " (unset)")
                                               << " against " << double(y) << (y.isWritten() ? "" : " (unset)");
    }
    if (a.mode != b.mode || a.row1Chosen != b.row1Chosen || a.row2Chosen != b.row2Chosen || a.rigid != b.rigid ||
        a.wheelEntered != b.wheelEntered || a.isHRC != b.isHRC || a.isHB != b.isHB)
        return testing::AssertionFailure() << "a flag or the mode differs";
    if (a.steelGrade != b.steelGrade)
        return testing::AssertionFailure() << "steel " << a.steelGrade << " against " << b.steelGrade;
    for (size_t mode = 0; mode < a.materials.size(); ++mode) {
        const Material& x = a.materials[mode];
        const Material& y = b.materials[mode];
        for (Number Material::*field : {&Material::H1, &Material::H2, &Material::sigmaH1, &Material::sigmaH2,
                                        &Material::sigmaF1, &Material::sigmaF2, &Material::Sh}) {
            if ((x.*field).isWritten() != (y.*field).isWritten() || double(x.*field) != double(y.*field))
                return testing::AssertionFailure() << "the material of mode " << mode << " differs";
        }
        if (x.isHB != y.isHB || x.isHRC != y.isHRC || x.rigid != y.rigid)
            return testing::AssertionFailure() << "the material's kind of mode " << mode << " differs";
    }
    if (a.stdSizes != b.stdSizes)
        return testing::AssertionFailure() << "the preferred sizes differ";
    for (size_t mode = 0; mode < a.results.size(); ++mode) {
        if (a.results[mode].has_value() != b.results[mode].has_value())
            return testing::AssertionFailure() << "the kept results of mode " << mode << " differ";
    }
    return testing::AssertionSuccess();
}

} // namespace gear
