// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/reference_tables.h"

namespace gear {

// The ranges: a load factor from 1 (by definition) to 3, beyond any the
// course's tables give; KFα, which the method takes as 1.1/εα, below 1 as
// well; ψbd from 0.1 to 2 around the textbooks' 0.2…1.6; the safety factors
// from 1; the factors the method shows but does not use from 0.5 to 4.
const std::array<CoefficientInfo, kCoefficientCount> kCoefficients{{
    {"Psibd", GEAR_TR_NOOP("coefficient", "коэффициент ширины венца ψbd = bw/d1"), &CoefficientSet::Psibd,
     &Quantities::Psibd, 0.1, 2, false, false, GEAR_TR_NOOP("coefficient", "ширина венца: ψbm = ψbd·Z1, bw = m·ψbm")},
    {"kf", GEAR_TR_NOOP("coefficient", "коэффициент нагрузки при расчёте на изгиб KF"), &CoefficientSet::kf,
     &Quantities::kf, 1, 3, false, true},
    {"kh", GEAR_TR_NOOP("coefficient", "коэффициент нагрузки при расчёте на контактную прочность KH"),
     &CoefficientSet::kh, &Quantities::kh, 1, 3, false, true},
    {"khb", GEAR_TR_NOOP("coefficient", "коэффициент неравномерности нагрузки по ширине венца KHβ (контакт)"),
     &CoefficientSet::khb, &Quantities::khb, 1, 3, false, true,
     GEAR_TR_NOOP("coefficient", "рабочее σH после выбора модуля")},
    {"kfb", GEAR_TR_NOOP("coefficient", "коэффициент неравномерности нагрузки по ширине венца KFβ (изгиб)"),
     &CoefficientSet::kfb, &Quantities::kfb, 1, 3, false, true,
     GEAR_TR_NOOP("coefficient", "рабочее σF после выбора модуля")},
    {"kfa", GEAR_TR_NOOP("coefficient", "коэффициент распределения нагрузки между зубьями KFα (изгиб)"),
     &CoefficientSet::kfa, &Quantities::kfa, 0, 3, true, false,
     GEAR_TR_NOOP("coefficient", "рабочее σF после выбора модуля")},
    {"kfv", GEAR_TR_NOOP("coefficient", "коэффициент динамической нагрузки KFv (изгиб)"), &CoefficientSet::kfv,
     &Quantities::kfv, 1, 3, false, true, GEAR_TR_NOOP("coefficient", "рабочее σF после выбора модуля")},
    {"khv", GEAR_TR_NOOP("coefficient", "коэффициент динамической нагрузки KHv (контакт)"), &CoefficientSet::khv,
     &Quantities::khv, 1, 3, false, true, GEAR_TR_NOOP("coefficient", "рабочее σH после выбора модуля")},
    {"kha", GEAR_TR_NOOP("coefficient", "коэффициент распределения нагрузки между зубьями KHα (контакт)"),
     &CoefficientSet::kha, &Quantities::kha, 1, 3, false, true,
     GEAR_TR_NOOP("coefficient", "рабочее σH после выбора модуля")},
    {"Zk", GEAR_TR_NOOP("coefficient", "коэффициент повышения контактной прочности косозубых колёс"),
     &CoefficientSet::Zk, &Quantities::Zk, 0.5, 4},
    {"Yn", GEAR_TR_NOOP("coefficient", "коэффициент долговечности YN (изгиб)"), &CoefficientSet::Yn, &Quantities::Yn,
     0.5, 4},
    {"Zn", GEAR_TR_NOOP("coefficient", "коэффициент долговечности ZN (контакт)"), &CoefficientSet::Zn, &Quantities::Zn,
     0.5, 4},
    {"Yr", GEAR_TR_NOOP("coefficient", "коэффициент шероховатости переходной поверхности YR"), &CoefficientSet::Yr,
     &Quantities::Yr, 0.5, 4},
    {"Yx", GEAR_TR_NOOP("coefficient", "коэффициент размеров зубчатого колеса YX"), &CoefficientSet::Yx,
     &Quantities::Yx, 0.5, 4},
    {"Yd", GEAR_TR_NOOP("coefficient", "коэффициент чувствительности к градиенту напряжений Yδ"), &CoefficientSet::Yd,
     &Quantities::Yd, 0.5, 4},
    {"Sf", GEAR_TR_NOOP("coefficient", "коэффициент запаса прочности при изгибе SF"), &CoefficientSet::Sf,
     &Quantities::Sf, 1, 3},
    {"Sh", GEAR_TR_NOOP("coefficient", "коэффициент запаса прочности по контактным напряжениям SH"),
     &CoefficientSet::Sh, &Quantities::Sh, 1, 3, false, false,
     GEAR_TR_NOOP("coefficient", "[σH] = 0.9·σHlim/SH, когда термообработка не задаёт SH")},
}};

} // namespace gear
