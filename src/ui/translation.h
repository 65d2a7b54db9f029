// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/message.h"

#include <QString>

#include <string_view>

class QLocale;

namespace gear::ui {

// The program speaks English on an English desktop (any en_* locale) and
// Russian, its texts as written, everywhere else, C included. Installs the
// English catalogue, or Qt's own Russian texts for its dialogs, in place of
// what an earlier call installed; true when English was chosen.
bool installTranslations(const QLocale& locale);

// Whether the English catalogue is installed.
bool speaksEnglish();

// The core's texts in the program's language: empty, so the core keeps its
// Russian, unless English is installed.
const Translator& coreTranslator();

// A text of the core, by the context it was marked with.
QString translated(const char* context, std::string_view source);
// A sentence of the core, its phrases translated and put where the
// translation wants them.
QString translated(const Message& message);

} // namespace gear::ui
