// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translation.h"

#include "ui/text_conversion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <string>

// The catalogue is compiled into the screens' static library.
static void loadCatalogue()
{
    Q_INIT_RESOURCE(translations);
}

namespace gear::ui {

namespace {

// Owned by the application, so it goes with it.
struct Installed {
    QPointer<QTranslator> translator;
    bool english = false;
};

Installed& installed()
{
    static Installed current;
    return current;
}

} // namespace

bool installTranslations(const QLocale& locale)
{
    Installed& current = installed();
    delete current.translator; // which uninstalls it
    current = {};
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool english = locale.language() == QLocale::English;
    if (english) {
        loadCatalogue();
        if (!translator->load(QStringLiteral(":/i18n/gearwheel_en.qm"))) {
            delete translator;
            return false;
        }
    } else if (!translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        // Without Qt's Russian texts only Qt's own buttons stay English.
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    current = {translator, english};
    return english;
}

bool speaksEnglish()
{
    return installed().english;
}

const Translator& coreTranslator()
{
    static const Translator none;
    static const Translator english = [](std::string_view context, std::string_view source) {
        return utf8(translated(std::string(context).c_str(), source));
    };
    return speaksEnglish() ? english : none;
}

QString translated(const char* context, std::string_view source)
{
    if (source.empty())
        return {};
    const std::string text(source);
    return QCoreApplication::translate(context, text.c_str());
}

QString translated(const Message& message)
{
    return qt(message.text(coreTranslator()));
}

} // namespace gear::ui
