// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include "ui/calculation_document.h"
#include "ui/number_display.h"
#include "ui/report.h"
#include "ui/text_conversion.h"
#include "ui/translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QTextStream>

// The pictures are compiled into the screens' static library.
static void loadPictures()
{
    Q_INIT_RESOURCE(art);
}

namespace gear::ui {

void setUpApplication(QApplication&)
{
    loadPictures();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/gearwheel.png")));
    QApplication::setApplicationName(QStringLiteral("gearwheel"));
    installTranslations(QLocale::system());
}

CommandLineOptions describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("gear::ui::CommandLine", "Расчёт зубчатых колёс для курса «Детали машин»."));
    CommandLineOptions options{
        parser.addHelpOption(),
        parser.addVersionOption(),
        QCommandLineOption(
            QStringLiteral("report"),
            QCoreApplication::translate("gear::ui::CommandLine",
                                        "Записать отчёт (пояснительную записку) по файлу расчёта, без окна."),
            QStringLiteral("file.gear")),
        QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                           QCoreApplication::translate("gear::ui::CommandLine", "Файл отчёта: .pdf или .odt."),
                           QStringLiteral("note")),
        QCommandLineOption(
            QStringLiteral("author"),
            QCoreApplication::translate("gear::ui::CommandLine", "Студент — для титульного листа и основной надписи."),
            QStringLiteral("name")),
        QCommandLineOption(QStringLiteral("group"),
                           QCoreApplication::translate("gear::ui::CommandLine", "Группа студента."),
                           QStringLiteral("group")),
        QCommandLineOption(
            QStringLiteral("variant"),
            QCoreApplication::translate("gear::ui::CommandLine", "Вариант; без него — записанный в файле."),
            QStringLiteral("variant")),
    };
    parser.addOptions({options.report, options.output, options.author, options.group, options.variant});
    // File managers pass the calculation file a student double-clicked.
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("gear::ui::CommandLine", "Файл расчёта (.gear), который нужно открыть."),
        QStringLiteral("[file]"));
    return options;
}

int writeReportCommand(const QCommandLineParser& parser, const CommandLineOptions& options)
{
    const auto say = [](const QString& text) { QTextStream(stderr) << "gearwheel: " << text << '\n'; };
    const QString path = parser.value(options.report);
    const QString output = parser.value(options.output);
    const bool asOdt = output.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive);
    if (!asOdt && !output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        say(QCoreApplication::translate("gear::ui::CommandLine",
                                        "отчёт записывается в файл .pdf или .odt: --report ФАЙЛ.gear -o ОТЧЁТ.pdf"));
        return 2;
    }
    QString failure;
    const std::optional<QByteArray> bytes = CalculationDocument::read(path, failure);
    if (!bytes) {
        say(failure);
        return 2;
    }
    Session session(decimalSeparator(), sessionTranslator());
    const Reply opened = session.open(utf8(QFileInfo(path).fileName()),
                                      std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
    if (opened.refused()) {
        say(QString::fromStdString(opened.message));
        return 1;
    }
    // A file of an older version is reported with today's results, as the
    // desktop opens it; what changed is said.
    if (opened.messageKind == MessageKind::Notice)
        say(path + QStringLiteral(": ") + QString::fromStdString(opened.message));
    ReportAuthor author{parser.value(options.author).trimmed(), parser.value(options.group).trimmed(),
                        parser.value(options.variant).trimmed()};
    if (!parser.isSet(options.variant))
        author.variant = QString::fromStdString(session.state().selfCheck.variant);
    failure = asOdt ? writeReportOdt(session.state(), author, output) : writeReportPdf(session.state(), author, output);
    if (!failure.isEmpty()) {
        say(failure);
        return 2;
    }
    return 0;
}

Translator sessionTranslator()
{
    return [](std::string_view context, std::string_view source) {
        return gear::translated(coreTranslator(), context, source);
    };
}

// The numbers in the desktop's separator, the words in the language the
// program speaks when each is written.
Program::Program() : m_session(decimalSeparator(), sessionTranslator())
{
}

} // namespace gear::ui
