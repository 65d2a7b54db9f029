// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wheel_sketch_screen.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/number_display.h"
#include "ui/wheel_sketch.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace gear::ui {

namespace {

enum class Field { d, df, da, dvStd, bw1, dstStd, LstStd, D0, d0, C, Delta0, R, L };

Number valueOf(Field field, const CalcState& s, const WheelBody& body)
{
    switch (field) {
    case Field::d: return s.d;
    case Field::df: return s.df;
    case Field::da: return s.da;
    case Field::dvStd: return body.dvStd;
    case Field::bw1: return s.bw1;
    case Field::dstStd: return body.dstStd;
    case Field::LstStd: return s.LstStd;
    case Field::D0: return s.D0;
    case Field::d0: return body.d0;
    case Field::C: return s.C;
    case Field::Delta0: return body.Delta0;
    case Field::R: return s.R;
    case Field::L: return body.L;
    }
    return {};
}

struct Row {
    const char* caption;
    const char* captionText;
    const char* field;
    Field value;
};

struct SketchScreenLayout {
    const char* title;
    std::vector<Row> rows;
};

// Captions as the course's worksheets print them. The rib thickness of the
// spoked wheel has no formula in this design, so it has no row.
const std::array<SketchScreenLayout, 3> kLayouts{{
    {"Эскиз зубчатого колеса при dа<250мм",
     {
         {"Label1", "Делительный диаметр d,мм", "Label5", Field::d},
         {"Label2", "Диаметр впадин df,мм", "Label6", Field::df},
         {"Label3", "Диаметр выступов da,мм", "Label7", Field::da},
         {"Label4", "Диаметр вала dв,мм", "Label8", Field::dvStd},
         {"Label9", "Ширина зубчатого венца bw,мм", "Label10", Field::bw1},
         {"Label11", "Диаметр ступицы dcт,мм", "Label15", Field::dstStd},
         {"Label12", "Длинна ступицы Lст,мм", "Label16", Field::LstStd},
     }},
    {"Эскиз зубчатого колеса при 250<da<600",
     {
         {"Label1", "Делительный диаметр, d", "Label5", Field::d},
         {"Label2", "Диаметр впадин, df", "Label6", Field::df},
         {"Label3", "Диаметр выступов, da", "Label7", Field::da},
         {"Label4", "Диаметр вала, dв", "Label8", Field::dvStd},
         {"Label9", "Ширина зубчатого венца, bw", "Label10", Field::bw1},
         {"Label11", "Диаметр ступицы, dsт", "Label15", Field::dstStd},
         {"Label12", "Длинна ступицы,lsт", "Label16", Field::LstStd},
         {"Label13", "Диаметр D0", "Label17", Field::D0},
         {"Label14", "Диаметр отверстий,do", "Label18", Field::d0},
         {"Label19", "Ширина спиц,C", "Label20", Field::C},
         {"Label21", "Толщина Delta0", "Label22", Field::Delta0},
     }},
    {"Эскиз зубчатого колеса при dа>600 мм",
     {
         {"Label1", "Делительный диаметр, d", "Label5", Field::d},
         {"Label2", "Диаметр впадин,df", "Label6", Field::df},
         {"Label3", "Диаметр выступов,da", "Label7", Field::da},
         {"Label4", "Диаметр вала,dв", "Label8", Field::dvStd},
         {"Label9", "Ширина зубчатого венца,bw", "Label10", Field::bw1},
         {"Label11", "Диаметр ступицы, dct", "Label15", Field::dstStd},
         {"Label12", "Длинна ступицы,Lcт", "Label16", Field::LstStd},
         {"Label13", "Радиус закругления, R", "Label17", Field::R},
         {"Label19", "Толщина Delta0", "Label20", Field::Delta0},
         {"Label21", "Толщина, L", "Label22", Field::L},
     }},
}};

WheelSketch::Design designOf(ScreenId id)
{
    if (id == ScreenId::vivod1)
        return WheelSketch::Design::Solid;
    if (id == ScreenId::vivod2)
        return WheelSketch::Design::Disc;
    return WheelSketch::Design::Spoked;
}

size_t layoutIndex(ScreenId id)
{
    return static_cast<size_t>(id) - static_cast<size_t>(ScreenId::vivod1);
}

} // namespace

WheelSketchScreen::WheelSketchScreen(ScreenId id, Screens& screens) : Screen(id, screens, QString())
{
    const SketchScreenLayout& layout = kLayouts[layoutIndex(id)];
    setWindowTitle(QString::fromUtf8(layout.title));
    auto* table = new QGridLayout;
    table->setVerticalSpacing(6);
    int row = 0;
    for (const Row& entry : layout.rows) {
        QLabel* caption = makeLabel(this, entry.caption, QString::fromUtf8(entry.captionText));
        table->addWidget(caption, row, 0);
        QLabel* field = makeLabel(this, entry.field, QString());
        field->setMinimumWidth(110);
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        makeBold(field);
        table->addWidget(field, row, 1);
        m_values.push_back({caption, field, static_cast<int>(entry.value)});
        ++row;
    }
    table->setRowStretch(row, 1);
    m_sketch = new WheelSketch(designOf(id), this);
    m_sketch->setObjectName(QStringLiteral("Image1"));
    m_sketch->setMinimumSize(m_sketch->sizeHint());
    auto* back = makeOkButton(QStringLiteral("Назад"));

    auto* columns = new QHBoxLayout;
    columns->addLayout(table);
    columns->addWidget(m_sketch, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(columns);
    outer->addWidget(back, 0, Qt::AlignHCenter);

    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

QList<QStringList> WheelSketchScreen::resultRows() const
{
    QList<QStringList> rows;
    for (const Value& value : m_values)
        rows.append({value.caption->text(), value.field->text()});
    return rows;
}

void WheelSketchScreen::presetWheel(const WheelBody& body)
{
    const CalcState& s = state();
    for (const Value& value : m_values)
        value.field->setText(shown(valueOf(static_cast<Field>(value.source), s, body)));
    SketchSizes sizes;
    sizes.da = s.da;
    sizes.df = s.df;
    sizes.d = s.d;
    sizes.bw = s.bw1;
    sizes.dv = body.dvStd;
    sizes.dst = body.dstStd;
    sizes.Lst = s.LstStd;
    sizes.Delta0 = body.Delta0;
    sizes.C = s.C;
    m_sketch->setSizes(sizes);
}

} // namespace gear::ui
