// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/walkthrough_view.h"

#include "screens/walkthrough_text.h"
#include "shell/number_text.h"
#include "ui/number_display.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QCoreApplication>

#include <QRegularExpression>

#include <array>

namespace gear::ui {

namespace {

// One mode's lines as tables under a heading for each screen.
QString sectionHtml(const WalkthroughSection& section)
{
    if (!section.notRun.empty())
        return QStringLiteral("<p><i>%1</i></p>").arg(qt(section.notRun).toHtmlEscaped());
    QString html;
    for (const WalkthroughGroup& group : section.groups) {
        html += QStringLiteral("<h3>%1</h3>").arg(qt(group.title).toHtmlEscaped());
        if (!group.refusal.empty()) {
            html += QStringLiteral("<p style=\"color:#a00000\">%1</p>").arg(qt(group.refusal).toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
        for (const WalkthroughLine& line : group.lines) {
            if (!line.decision.empty()) {
                html += QStringLiteral("<tr><td colspan=\"3\"><i>→ %1</i></td></tr>")
                            .arg(qt(line.decision).toHtmlEscaped());
                continue;
            }
            // A constant is its own result: "k_F = 1.5" needs no formula.
            QString left = symbolHtml(qt(line.quantity));
            QString middle;
            if (!line.symbolic.empty()) {
                left += QStringLiteral(" = ") + symbolHtml(qt(line.symbolic));
                middle = QStringLiteral("= ") + symbolHtml(qt(line.substituted));
            }
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>= <b>%3</b></td></tr>")
                        .arg(left, middle, qt(line.result).toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

std::vector<WalkthroughSection> sectionsOf(const CalcState& state)
{
    return walkthroughSections(state, decimalSeparator(), coreTranslator());
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
    return sectionHtml(sectionsOf(state)[static_cast<size_t>(mode)]);
}

QString walkthroughHtml(const CalcState& state)
{
    QString html = QStringLiteral("<html><body>");
    for (const WalkthroughSection& section : sectionsOf(state)) {
        html += QStringLiteral("<h2>%1</h2>").arg(qt(section.title).toHtmlEscaped());
        html += sectionHtml(section);
    }
    html += QStringLiteral("</body></html>");
    return html;
}

QString walkthroughText(const CalcState& state)
{
    return qt(gear::walkthroughText(state, decimalSeparator(), coreTranslator()));
}

} // namespace gear::ui
