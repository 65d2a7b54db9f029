// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/message.h"

#include <ostream>

namespace gear {

std::string translated(const Translator& translate, std::string_view context, std::string_view source)
{
    return translate ? translate(context, source) : std::string(source);
}

std::string translated(const Translator& translate, CoreText text)
{
    return translated(translate, text.context, text.source);
}

Message::Message(std::string_view context, std::string_view source) : m_context(context), m_source(source)
{
}

Message Message::verbatim(std::string text)
{
    Message message;
    message.m_source = std::move(text);
    return message;
}

Message& Message::arg(Message filler) &
{
    m_args.push_back(std::move(filler));
    return *this;
}

Message&& Message::arg(Message filler) &&
{
    m_args.push_back(std::move(filler));
    return std::move(*this);
}

Message& Message::arg(std::string verbatimText) &
{
    return arg(verbatim(std::move(verbatimText)));
}

Message&& Message::arg(std::string verbatimText) &&
{
    return std::move(arg(verbatim(std::move(verbatimText))));
}

std::string Message::text() const
{
    return text(Translator());
}

std::string Message::text(const Translator& translate) const
{
    const std::string pattern = isVerbatim() ? m_source : translated(translate, m_context, m_source);
    if (m_args.empty())
        return pattern;
    std::vector<std::string> fillers;
    fillers.reserve(m_args.size());
    for (const Message& filler : m_args)
        fillers.push_back(filler.text(translate));
    return fillPlaceholders(pattern, fillers);
}

std::ostream& operator<<(std::ostream& out, const Message& message)
{
    return out << message.text();
}

std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto number = static_cast<size_t>(pattern[i + 1] - '1');
            if (number < args.size()) {
                text += args[number];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace gear
