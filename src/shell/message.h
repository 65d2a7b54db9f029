// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// The core speaks Russian; the desktop program may show its texts in another
// language. A text the core says is written where it is said, in Russian,
// inside one of these marks, which leave it as it is: lupdate reads both as
// QT_TRANSLATE_NOOP(context, text), so the text and its context go into the
// program's catalogue of translations, and the desktop looks them up there.
#define GEAR_TR_NOOP(context, text) text
// The same for a sentence kept as a Message.
#define GEAR_TR(context, text) ::gear::Message(context, text)
// The same for a text kept in a table with its context.
#define GEAR_TEXT(context, text) ::gear::CoreText{context, text}

namespace gear {

// Looks a text of the core up in the language shown, by its context and its
// Russian source; a text it does not know it gives back as it is. An empty
// translator stands for Russian.
using Translator = std::function<std::string(std::string_view context, std::string_view source)>;

// `source` in the language of `translate`.
std::string translated(const Translator& translate, std::string_view context, std::string_view source);

// A text of a table of the core's, with the context it is translated in.
struct CoreText {
    std::string_view context;
    std::string_view source;

    bool empty() const { return source.empty(); }
};

std::string translated(const Translator& translate, CoreText text);

// A sentence the core says, kept as its Russian pattern, with %1…%9 where
// numbers, names and other phrases go, and the texts that fill them: a
// translation can then order the sentence as its own grammar wants, and
// translate the phrases that fill it too. text() is the Russian sentence
// the command line, the web page and the files say.
class Message {
public:
    // No message: nothing was refused.
    Message() = default;
    // A sentence of the core's own, marked where it is written.
    Message(std::string_view context, std::string_view source);

    // Words that are the same in every language: a number, a file's name, a
    // field of a file, a symbol.
    static Message verbatim(std::string text);

    // Fills the lowest placeholder not yet filled.
    Message& arg(Message filler) &;
    Message&& arg(Message filler) &&;
    Message& arg(std::string verbatimText) &;
    Message&& arg(std::string verbatimText) &&;

    std::string text() const;
    std::string text(const Translator& translate) const;

    bool empty() const { return m_source.empty() && m_args.empty(); }
    bool isVerbatim() const { return m_context.empty(); }
    const std::string& context() const { return m_context; }
    const std::string& source() const { return m_source; }
    const std::vector<Message>& args() const { return m_args; }

    bool operator==(const Message&) const = default;

private:
    std::string m_context; // empty for words shown as they are
    std::string m_source;
    std::vector<Message> m_args;
};

// The Russian sentence, so that a failed test says it.
std::ostream& operator<<(std::ostream& out, const Message& message);

// `pattern` with each %1…%9 replaced by the argument of that number, in one
// pass, so a "%2" inside an argument stays as it is; a placeholder without
// its argument, and a "%" before anything but 1…9, stay in the text.
std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& args);

} // namespace gear
