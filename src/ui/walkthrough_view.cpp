// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/walkthrough_view.h"

#include "shell/number_text.h"
#include "shell/walkthrough_text.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QCoreApplication>

#include <QRegularExpression>

#include <array>

namespace gear::ui {

namespace {

constexpr std::array<Mode, 3> kModes{Mode::Transmission, Mode::Wheel, Mode::Check};

QString regional(const std::string& text)
{
    return qt(withDecimalSeparator(text, decimalSeparator()));
}

QString regional(const Message& message)
{
    return regional(message.text(coreTranslator()));
}

QString result(const Step& step)
{
    QString text = qt(resultText(step, decimalSeparator()));
    if (!step.unit.empty())
        text += QLatin1Char(' ') + qt(unitText(step, coreTranslator()));
    return text;
}

} // namespace

QString symbolHtml(const QString& marked)
{
    static const QRegularExpression index(QStringLiteral("_(\\w+)"), QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression power(QStringLiteral("\\^(\\d+)"));
    QString html = marked.toHtmlEscaped();
    html.replace(index, QStringLiteral("<sub>\\1</sub>"));
    html.replace(power, QStringLiteral("<sup>\\1</sup>"));
    return html;
}

QString walkthroughHtml(const CalcState& state, Mode mode)
{
    const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
    if (!groups)
        return QStringLiteral("<p><i>%1</i></p>")
            .arg(QCoreApplication::translate("gear::ui::Walkthrough", "Расчёт в этом режиме ещё не выполнялся."));
    QString html;
    for (const StepGroup& group : *groups) {
        html += QStringLiteral("<h3>%1</h3>")
                    .arg(translated("walkthrough", stepGroupTitle(group.screen, mode)).toHtmlEscaped());
        if (!group.refusal.empty()) {
            html += QStringLiteral("<p style=\"color:#a00000\">%1</p>")
                        .arg(QCoreApplication::translate("gear::ui::Walkthrough", "Расчёт не выполнен: %1")
                                 .arg(regional(group.refusal))
                                 .toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
        for (const Step& step : group.steps) {
            if (!step.decision.empty()) {
                html += QStringLiteral("<tr><td colspan=\"3\"><i>→ %1</i></td></tr>")
                            .arg(regional(step.decision).toHtmlEscaped());
                continue;
            }
            const bool hasValues = step.formula.find('{') != std::string::npos;
            // A constant is its own result: "k_F = 1.5" needs no formula.
            const Translator& words = coreTranslator();
            QString left = symbolHtml(qt(quantityText(step, words)));
            if (hasValues)
                left += QStringLiteral(" = ") + symbolHtml(qt(symbolicForm(step, decimalSeparator(), words)));
            const QString middle =
                hasValues ? QStringLiteral("= ") + symbolHtml(qt(substitutedForm(step, decimalSeparator(), words)))
                          : QString();
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>= <b>%3</b></td></tr>")
                        .arg(left, middle, result(step).toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

QString walkthroughHtml(const CalcState& state)
{
    QString html = QStringLiteral("<html><body>");
    for (const Mode mode : kModes) {
        html += QStringLiteral("<h2>%1</h2>").arg(translated("mode", modeTitle(mode)));
        html += walkthroughHtml(state, mode);
    }
    html += QStringLiteral("</body></html>");
    return html;
}

QString walkthroughText(const CalcState& state)
{
    return qt(gear::walkthroughText(state, decimalSeparator(), coreTranslator()));
}

} // namespace gear::ui
