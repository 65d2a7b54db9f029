// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/walkthrough_view.h"

#include "ui/number_display.h"
#include "ui/text_conversion.h"

#include <QRegularExpression>

#include <array>

namespace gear::ui {

namespace {

struct ModeHeading {
    Mode mode;
    const char* title;
};

constexpr std::array<ModeHeading, 3> kModes{
    {{Mode::Transmission, "Передача"}, {Mode::Wheel, "Колесо"}, {Mode::Check, "Проверка"}}};

QString groupTitle(ScreenId screen, Mode mode)
{
    switch (screen) {
    case ScreenId::ATverd: return QStringLiteral("Твёрдость зубьев");
    case ScreenId::BNormal2:
    case ScreenId::Czakalka2: return QStringLiteral("Способ обработки");
    case ScreenId::stal1:
    case ScreenId::stal2:
    case ScreenId::stal3:
    case ScreenId::stal4:
    case ScreenId::stal5: return QStringLiteral("Марка стали и пределы выносливости");
    case ScreenId::Vvod2: return QStringLiteral("Проектный расчёт передачи");
    case ScreenId::Vibor:
        return mode == Mode::Wheel ? QStringLiteral("Стандартный модуль и размеры колеса")
                                   : QStringLiteral("Стандартный модуль, геометрия и рабочие напряжения");
    case ScreenId::okon: return QStringLiteral("Окончательный выбор материала");
    case ScreenId::Vvod: return QStringLiteral("Модуль колеса по диаметру вершин");
    case ScreenId::Vvod3: return QStringLiteral("Проверочный расчёт допускаемой нагрузки");
    default: return qt(screenName(screen));
    }
}

QString substituted(const Step& step)
{
    return qt(substitutedForm(step, decimalSeparator()));
}

QString result(const Step& step)
{
    QString text = shown(Number(step.result));
    if (!step.unit.empty())
        text += QLatin1Char(' ') + qt(step.unit);
    return text;
}

QString plainSymbols(QString marked)
{
    marked.remove(QLatin1Char('_'));
    marked.replace(QStringLiteral("^2"), QStringLiteral("²"));
    marked.replace(QStringLiteral("^3"), QStringLiteral("³"));
    return marked;
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
    QString html;
    const std::vector<StepGroup>* groups = state.walkthrough.of(mode);
    if (!groups)
        return QStringLiteral("<p><i>Расчёт в этом режиме ещё не выполнялся.</i></p>");
    for (const StepGroup& group : *groups) {
        html += QStringLiteral("<h3>%1</h3>").arg(groupTitle(group.screen, mode).toHtmlEscaped());
        if (!group.refusal.empty()) {
            html += QStringLiteral("<p style=\"color:#a00000\">Расчёт не выполнен: %1</p>")
                        .arg(qt(group.refusal).toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
        for (const Step& step : group.steps) {
            if (!step.decision.empty()) {
                html += QStringLiteral("<tr><td colspan=\"3\"><i>→ %1</i></td></tr>")
                            .arg(qt(step.decision).toHtmlEscaped());
                continue;
            }
            const QString quantity = symbolHtml(qt(step.quantity));
            const QString formula = symbolHtml(qt(symbolicForm(step)));
            const bool hasValues = step.formula.find('{') != std::string::npos;
            // A constant is its own result: "k_F = 1.5" needs no formula.
            QString left = quantity;
            if (hasValues)
                left += QStringLiteral(" = ") + formula;
            const QString middle = hasValues ? QStringLiteral("= ") + symbolHtml(substituted(step)) : QString();
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>= <b>%3</b></td></tr>")
                        .arg(left, middle, result(step).toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    return html;
}

QString modeTitle(Mode mode)
{
    for (const ModeHeading& heading : kModes) {
        if (heading.mode == mode)
            return QString::fromUtf8(heading.title);
    }
    return {};
}

QString walkthroughHtml(const CalcState& state)
{
    QString html = QStringLiteral("<html><body>");
    for (const ModeHeading& heading : kModes) {
        html += QStringLiteral("<h2>%1</h2>").arg(QString::fromUtf8(heading.title));
        html += walkthroughHtml(state, heading.mode);
    }
    html += QStringLiteral("</body></html>");
    return html;
}

QString walkthroughText(const CalcState& state)
{
    QString text;
    for (const ModeHeading& heading : kModes) {
        text += QString::fromUtf8(heading.title) + QLatin1Char('\n');
        const std::vector<StepGroup>* groups = state.walkthrough.of(heading.mode);
        if (!groups) {
            text += QStringLiteral("  Расчёт в этом режиме ещё не выполнялся.\n\n");
            continue;
        }
        for (const StepGroup& group : *groups) {
            text += QStringLiteral("  ") + groupTitle(group.screen, heading.mode) + QLatin1Char('\n');
            if (!group.refusal.empty()) {
                text += QStringLiteral("    Расчёт не выполнен: ") + qt(group.refusal) + QLatin1Char('\n');
                continue;
            }
            for (const Step& step : group.steps) {
                if (!step.decision.empty()) {
                    text += QStringLiteral("    → ") + qt(step.decision) + QLatin1Char('\n');
                    continue;
                }
                QString line = QStringLiteral("    ") + plainSymbols(qt(step.quantity));
                if (step.formula.find('{') != std::string::npos) {
                    line += QStringLiteral(" = ") + plainSymbols(qt(symbolicForm(step)));
                    line += QStringLiteral(" = ") + plainSymbols(substituted(step));
                }
                text += line + QStringLiteral(" = ") + result(step) + QLatin1Char('\n');
            }
        }
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace gear::ui
