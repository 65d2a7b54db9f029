#include "ui/material_screens.h"

#include "material/hardness_recommendation.h"
#include "material/manufacturing_requirements.h"
#include "material/steel_grade.h"
#include "material/treatment_method.h"
#include "ui/grid_frame.h"
#include "ui/option_group.h"
#include "ui/screens.h"
#include "ui/strength_screens.h"
#include "ui/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gear::ui {

namespace {

// The course's captions break long words with a hyphen and a blank; the
// break stands where the hyphen is.
QString hyphenated(const char* caption)
{
    return QString::fromUtf8(caption).replace(QStringLiteral("- "), QStringLiteral("-\n"));
}

QLabel* cell(QWidget* parent, const char* name, const QString& text, int width = 0)
{
    QLabel* label = makeLabel(parent, name, text);
    label->setAlignment(Qt::AlignCenter);
    if (width > 0) {
        label->setWordWrap(true);
        label->setFixedWidth(width);
    }
    return label;
}

QRadioButton* optionCell(GridFrame* table, const char* name, const QString& accessibleName, int row, int column)
{
    QRadioButton* option = makeOption(table, name);
    option->setAccessibleName(accessibleName);
    auto* holder = new QWidget(table);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(option, 0, Qt::AlignCenter);
    table->addCell(holder, row, column);
    return option;
}

QVBoxLayout* screenLayout(Screen* screen, QWidget* content, QPushButton* ok)
{
    auto* layout = new QVBoxLayout(screen);
    layout->addWidget(content);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

} // namespace

ATverd::ATverd(Screens& screens)
    : Screen(ScreenId::ATverd, screens, QStringLiteral("Рекомендуемые значения твёрдости зубьев и виды ХТО"))
{
    auto* table = new GridFrame(this);
    table->addCell(cell(table, "Label1", QStringLiteral("Область применения")), 0, 0, 2, 1);
    table->addCell(cell(table, nullptr, QStringLiteral("Требования\nк габаритам")), 0, 1, 2, 1);
    table->addCell(cell(table, nullptr, QStringLiteral("Термообработка")), 0, 2, 2, 1);
    table->addCell(cell(table, nullptr, QStringLiteral("Твёрдость пов-ти зуба")), 0, 3, 1, 2);
    table->addCell(cell(table, nullptr, QStringLiteral("шестерни")), 1, 3);
    table->addCell(cell(table, nullptr, QStringLiteral("колеса")), 1, 4);
    table->addCell(new QWidget(table), 0, 5, 2, 1);

    struct Row {
        const char* area;
        const char* areaText;
        const char* requirement;
        const char* requirementText;
        const char* treatment;
        const char* treatmentText;
        const char* pinion;
        const char* pinionText;
        const char* wheel;
        const char* wheelText;
    };
    // Rows 3 and 4 share their area, requirement and treatment cells.
    const Row rows[] = {
        {"Label2", "Редукторы больших раз- меров индивидуального производства,мало- нагруженные передачи",
         "Label8", "Нежёсткие", "Label9", "Нормализация", "Label10", "200...210 НВ", "Label11", "160...170 НВ"},
        {"Label3",
         "Редукторы общего наз- начения в единичном и мелкосерийном произ- водстве,передачи с небольшими нагрузками",
         "Label12", "Нежёсткие", "Label17", "Улучшение", "Label18", "300...340 НВ", "Label19", "240...280 НВ"},
        {"Label4",
         "Редукторы общего наз- начения в серийном и массовом производстве тихоходные передачи низкой тотчности",
         "Label13", "Жёсткие", "Label20", "Объёмная закалка\nЗакалка ТВЧ", "Label21", "45..52 НРС", "Label22",
         "45...52 НРС"},
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "Label23", "50..56 НРС", "Label24", "50...56 НРС"},
        {"Label5", "Транспортные и горные машины, высоконагружен- ные передачи малых и средних размеров", "Label14",
         "Жёсткие", "Label25", "Цементация", "Label26", "56..63 НРС", "Label27", "56...63 НРС"},
        {"Label6", "Небольшие зубчатые колёса крупносерийного и массового производства", "Label15", "Жёсткие",
         "Label28", "Нитроцементация", "Label29", "56..63 НРС", "Label32", "56..63 НРС"},
        {"Label7", "Быстроходные точные передачи, работающие без ударов", "Label16", "Жёсткие", "Label30",
         "Азотирование", "Label31", "50..60 НРС", "Label33", "50...60 НРС"},
    };
    int gridRow = 2;
    for (const Row& row : rows) {
        const int span = row.area && &row == &rows[2] ? 2 : 1;
        if (row.area) {
            table->addCell(cell(table, row.area, hyphenated(row.areaText), 210), gridRow, 0, span, 1);
            table->addCell(cell(table, row.requirement, QString::fromUtf8(row.requirementText)), gridRow, 1, span, 1);
            table->addCell(cell(table, row.treatment, QString::fromUtf8(row.treatmentText)), gridRow, 2, span, 1);
        }
        table->addCell(cell(table, row.pinion, QString::fromUtf8(row.pinionText)), gridRow, 3);
        table->addCell(cell(table, row.wheel, QString::fromUtf8(row.wheelText)), gridRow, 4);
        const QByteArray option = "Option" + QByteArray::number(static_cast<int>(m_rows.size()) + 1);
        m_rows.push_back(optionCell(table, option.constData(),
                                    QStringLiteral("Строка %1").arg(m_rows.size() + 1), gridRow, 5));
        ++gridRow;
    }
    auto* ok = makeOkButton();
    screenLayout(this, table, ok);
    groupOptions(this, m_rows);
    connect(ok, &QPushButton::clicked, this, &ATverd::onOk);
}

void ATverd::onOk()
{
    screens().load<Vvod2>(ScreenId::Vvod2).fillRatioList();
    follow(recommendHardness(state(), markedOption(m_rows)));
}

Trebov2::Trebov2(Screens& screens)
    : Screen(ScreenId::trebov2, screens, QStringLiteral("Требования к изготовлению"))
{
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    grid->setHorizontalSpacing(48);
    const std::pair<const char*, const char*> columns[] = {{"Label1", "Жёсткие"}, {"Label2", "Не жёсткие"}};
    for (int column = 0; column < 2; ++column) {
        QLabel* head = makeLabel(content, columns[column].first, QString::fromUtf8(columns[column].second));
        makeBold(head);
        grid->addWidget(head, 0, column, Qt::AlignHCenter);
        const QByteArray name = "Option" + QByteArray::number(column + 1);
        QRadioButton* option = makeOption(content, name.constData());
        option->setAccessibleName(head->text());
        grid->addWidget(option, 1, column, Qt::AlignHCenter);
        m_options.push_back(option);
    }
    auto* ok = makeOkButton();
    screenLayout(this, content, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &Trebov2::onOk);
}

void Trebov2::onOk()
{
    follow(chooseRequirements(state(), markedOption(m_options)));
}

namespace {

const char* const kHardnessHead = "Средняя твёрдость зубьев на поверхности в сердцевине основания";

// The head of a treatment table: the hardness over its two sub-columns.
void addTreatmentHead(GridFrame* table, const char* name)
{
    table->addCell(cell(table, nullptr, QString()), 0, 0, 2, 1);
    table->addCell(new QWidget(table), 0, 1, 2, 1);
    table->addCell(cell(table, name, QString::fromUtf8(kHardnessHead), 260), 0, 2, 1, 2);
    table->addCell(cell(table, nullptr, QStringLiteral("на поверхности")), 1, 2);
    table->addCell(cell(table, nullptr, QStringLiteral("в сердцевине")), 1, 3);
}

} // namespace

BNormal2::BNormal2(Screens& screens) : Screen(ScreenId::BNormal2, screens, QStringLiteral("Способ обработки"))
{
    auto* table = new GridFrame(this);
    addTreatmentHead(table, "Label3");
    const std::array<std::array<const char*, 3>, 2> rows{{{"Label1", "Нормализация", "Label4"},
                                                          {"Label2", "Улучшение", "Label5"}}};
    for (int row = 0; row < 2; ++row) {
        const auto& [label, caption, hardness] = rows[static_cast<size_t>(row)];
        QLabel* treatment = cell(table, label, QString::fromUtf8(caption));
        treatment->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->addCell(treatment, row + 2, 0);
        const QByteArray name = "Option" + QByteArray::number(row + 1);
        m_options.push_back(optionCell(table, name.constData(), QString::fromUtf8(caption), row + 2, 1));
        table->addCell(cell(table, hardness, QStringLiteral("180...350 НВ")), row + 2, 2, 1, 2);
    }
    auto* ok = makeOkButton();
    screenLayout(this, table, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &BNormal2::onOk);
}

void BNormal2::onOk()
{
    follow(chooseThroughHardening(state(), markedOption(m_options)));
}

Czakalka2::Czakalka2(Screens& screens) : Screen(ScreenId::Czakalka2, screens, QStringLiteral("Способ обработки"))
{
    auto* table = new GridFrame(this);
    addTreatmentHead(table, "Label7");
    struct Row {
        const char* label;
        const char* caption;
        const char* surface;
        const char* core; // none: the surface value stands for both
    };
    const Row rows[] = {
        {"Label1", "Объемная закалка", "45...56 HRC", nullptr},
        {"Label2", "Поверхностная закалка ТВЧ", "48...58 HRC", "25...35 HRC"},
        {"Label3", "Цементация", "57...63 HRC", "30...45 HRC"},
        {"Label4", "Нитроцементация", "56...63 HRC", "30...45 HRC"},
        {"Label5", "Азотирование", "50...60 HRC", "24...40 HRC"},
    };
    int gridRow = 2;
    for (const Row& row : rows) {
        auto* treatment = cell(table, row.label, QString::fromUtf8(row.caption));
        treatment->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->addCell(treatment, gridRow, 0);
        const QByteArray name = "Option" + QByteArray::number(gridRow - 1);
        m_options.push_back(optionCell(table, name.constData(), QString::fromUtf8(row.caption), gridRow, 1));
        if (row.core) {
            table->addCell(cell(table, nullptr, QString::fromUtf8(row.surface)), gridRow, 2);
            table->addCell(cell(table, nullptr, QString::fromUtf8(row.core)), gridRow, 3);
        } else {
            table->addCell(cell(table, nullptr, QString::fromUtf8(row.surface)), gridRow, 2, 1, 2);
        }
        ++gridRow;
    }
    auto* ok = makeOkButton();
    screenLayout(this, table, ok);
    groupOptions(this, m_options);
    connect(ok, &QPushButton::clicked, this, &Czakalka2::onOk);
}

void Czakalka2::onOk()
{
    follow(chooseSurfaceHardening(state(), markedOption(m_options)));
}

SteelGrade::SteelGrade(ScreenId id, Screens& screens) : Screen(id, screens, QString())
{
    const SteelScreenContent content = steelScreenContent(id);
    setWindowTitle(qt(content.title));
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setHorizontalSpacing(24);
    QLabel* prompt = makeLabel(body, "Label1", QStringLiteral("Выберите марку стали"));
    makeBold(prompt);
    const int columns = static_cast<int>(content.grades.size());
    grid->addWidget(prompt, 0, 0, 1, columns, Qt::AlignHCenter);
    for (int i = 0; i < columns; ++i) {
        const QString grade = qt(content.grades[static_cast<size_t>(i)]);
        const QByteArray label = "Label" + QByteArray::number(i + 2);
        const QByteArray option = "Option" + QByteArray::number(i + 1);
        grid->addWidget(makeLabel(body, label.constData(), grade), 1, i, Qt::AlignHCenter);
        QRadioButton* button = makeOption(body, option.constData());
        button->setAccessibleName(grade);
        grid->addWidget(button, 2, i, Qt::AlignHCenter);
        m_grades.push_back(button);
    }
    auto* ok = makeOkButton();
    screenLayout(this, body, ok);
    groupOptions(this, m_grades);
    connect(ok, &QPushButton::clicked, this, &SteelGrade::onOk);
}

void SteelGrade::onOk()
{
    follow(chooseSteelGrade(state(), id(), markedOption(m_grades)));
}

} // namespace gear::ui
