// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace gear {

// The most characters of a file a message quotes: enough to recognise a
// name or a number, never a screenful.
inline constexpr int kExcerptLength = 60;

// A piece of a file's text to quote in a message: its first kExcerptLength
// characters, with "…" where it goes on. Control characters are shown by
// their pictures (␀, ␊, ␛ …) and bytes that are not UTF-8, and the marks
// that reorder text, as "�", so that whatever a file holds, the message
// stays one readable line and cannot steer a terminal.
std::string excerpt(std::string_view text);

} // namespace gear
