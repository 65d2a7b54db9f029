<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>coefficient</name>
    <message>
        <source>коэффициент ширины венца ψbd = bw/d1</source>
        <translation>face width factor ψbd = bw/d1</translation>
    </message>
    <message>
        <source>коэффициент нагрузки при расчёте на изгиб KF</source>
        <translation>load factor for bending KF</translation>
    </message>
    <message>
        <source>коэффициент нагрузки при расчёте на контактную прочность KH</source>
        <translation>load factor for contact strength KH</translation>
    </message>
    <message>
        <source>коэффициент неравномерности нагрузки по ширине венца KHβ (контакт)</source>
        <translation>face load factor KHβ (contact)</translation>
    </message>
    <message>
        <source>коэффициент неравномерности нагрузки по ширине венца KFβ (изгиб)</source>
        <translation>face load factor KFβ (bending)</translation>
    </message>
    <message>
        <source>коэффициент распределения нагрузки между зубьями KFα (изгиб)</source>
        <translation>transverse load factor KFα (bending)</translation>
    </message>
    <message>
        <source>коэффициент динамической нагрузки KFv (изгиб)</source>
        <translation>dynamic factor KFv (bending)</translation>
    </message>
    <message>
        <source>коэффициент динамической нагрузки KHv (контакт)</source>
        <translation>dynamic factor KHv (contact)</translation>
    </message>
    <message>
        <source>коэффициент распределения нагрузки между зубьями KHα (контакт)</source>
        <translation>transverse load factor KHα (contact)</translation>
    </message>
    <message>
        <source>коэффициент повышения контактной прочности косозубых колёс</source>
        <translation>contact strength factor of helical gears</translation>
    </message>
    <message>
        <source>коэффициент долговечности YN (изгиб)</source>
        <translation>life factor YN (bending)</translation>
    </message>
    <message>
        <source>коэффициент долговечности ZN (контакт)</source>
        <translation>life factor ZN (contact)</translation>
    </message>
    <message>
        <source>коэффициент шероховатости переходной поверхности YR</source>
        <translation>root fillet roughness factor YR</translation>
    </message>
    <message>
        <source>коэффициент размеров зубчатого колеса YX</source>
        <translation>size factor YX</translation>
    </message>
    <message>
        <source>коэффициент чувствительности к градиенту напряжений Yδ</source>
        <translation>notch sensitivity factor Yδ</translation>
    </message>
    <message>
        <source>коэффициент запаса прочности при изгибе SF</source>
        <translation>safety factor for bending SF</translation>
    </message>
    <message>
        <source>коэффициент запаса прочности по контактным напряжениям SH</source>
        <translation>safety factor for contact stress SH</translation>
    </message>
    <message>
        <source>ширина венца: ψbm = ψbd·Z1, bw = m·ψbm</source>
        <translation>face width: ψbm = ψbd·Z1, bw = m·ψbm</translation>
    </message>
    <message>
        <source>рабочее σH после выбора модуля</source>
        <translation>working σH after the module choice</translation>
    </message>
    <message>
        <source>рабочее σF после выбора модуля</source>
        <translation>working σF after the module choice</translation>
    </message>
    <message>
        <source>[σH] = 0.9·σHlim/SH, когда термообработка не задаёт SH</source>
        <translation>[σH] = 0.9·σHlim/SH, when the heat treatment sets no SH</translation>
    </message>
    <message>
        <source>не входит в расчёт по этой методике</source>
        <translation>not used by this method&apos;s calculation</translation>
    </message>
</context>
<context>
    <name>conclusion</name>
    <message>
        <source>Спроектирована цилиндрическая зубчатая передача с модулем m = %1 мм: числа зубьев z1 = %2 и z2 = %3, межосевое расстояние aw = %4 мм, ширина венца bw = %5 мм, материал зубчатых венцов — %6.</source>
        <translation>A cylindrical gear pair was designed with module m = %1 mm: teeth z1 = %2 and z2 = %3, centre distance aw = %4 mm, face width bw = %5 mm, rim material %6.</translation>
    </message>
    <message>
        <source>Фактическое передаточное число Uф = %1 отличается от заданного на %2 % — не более допускаемых %3 %: условие выполнено.</source>
        <translation>The actual gear ratio Ua = %1 differs from the one asked by %2 %, within the allowed %3 %: the condition holds.</translation>
    </message>
    <message>
        <source>Фактическое передаточное число Uф = %1 отличается от заданного на %2 % — больше допускаемых %3 %: условие не выполнено, следует изменить z1.</source>
        <translation>The actual gear ratio Ua = %1 differs from the one asked by %2 %, more than the allowed %3 %: the condition fails; change z1.</translation>
    </message>
    <message>
        <source>Модуль принят стандартным (ГОСТ 9563-60) не меньше расчётного; рабочие напряжения сопоставлены с допускаемыми в разделе результатов.</source>
        <translation>The module was taken standard (GOST 9563-60) and not below the calculated one; the working stresses are compared with the allowable ones in the results.</translation>
    </message>
    <message>
        <source>цельное с плоским диском</source>
        <translation>solid, with a plain disc</translation>
    </message>
    <message>
        <source>кованое с отверстиями в диске</source>
        <translation>forged, with holes in the disc</translation>
    </message>
    <message>
        <source>литое со спицами</source>
        <translation>cast, with spokes</translation>
    </message>
    <message>
        <source>Сконструировано зубчатое колесо, %1: модуль m = %2 мм, z = %3, da = %4 мм, d = %5 мм, df = %6 мм, ширина венца bw = %7 мм, ступица dст = %8 мм длиной Lст = %9 мм.</source>
        <translation>A gear wheel was designed, %1: module m = %2 mm, z = %3, da = %4 mm, d = %5 mm, df = %6 mm, face width bw = %7 mm, hub dh = %8 mm of length Lh = %9 mm.</translation>
    </message>
    <message>
        <source>Вал dв = %1 мм соединяется со ступицей призматической шпонкой %2×%3 по ГОСТ 23360-78.</source>
        <translation>The shaft ds = %1 mm is joined to the hub by a parallel key %2×%3 of GOST 23360-78.</translation>
    </message>
    <message>
        <source>Диаметр вершин со стандартным модулем совпадает с заданным в пределах 1 %: условие выполнено.</source>
        <translation>The tip diameter with the standard module matches the one given within 1 %: the condition holds.</translation>
    </message>
    <message>
        <source>Диаметр вершин со стандартным модулем отличается от заданного больше чем на 1 %: колесо построено по стандартному модулю.</source>
        <translation>The tip diameter with the standard module differs from the one given by more than 1 %: the wheel is built on the standard module.</translation>
    </message>
    <message>
        <source>Проверено колесо с делительным диаметром d = %1 мм, z = %2, шириной венца bw = %3 мм: по прочности зубьев оно передаёт момент не более T = %4 Н·м.</source>
        <translation>A wheel of pitch diameter d = %1 mm, z = %2, face width bw = %3 mm was checked: by the strength of its teeth it carries a torque of at most T = %4 N·m.</translation>
    </message>
</context>
<context>
    <name>drawing</name>
    <message>
        <source>Масштаб %1</source>
        <translation>Scale %1</translation>
    </message>
    <message>
        <source>Модуль</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Число зубьев</source>
        <translation>Number of teeth</translation>
    </message>
    <message>
        <source>Делительный диаметр</source>
        <translation>Pitch diameter</translation>
    </message>
    <message>
        <source>Колесо зубчатое литое</source>
        <translation>Cast gear wheel</translation>
    </message>
    <message>
        <source>Колесо зубчатое</source>
        <translation>Gear wheel</translation>
    </message>
    <message>
        <source>Передача зубчатая цилиндрическая</source>
        <translation>Cylindrical gear pair</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Шестерня</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>Колесо</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Тип зуба</source>
        <translation>Tooth type</translation>
    </message>
    <message>
        <source>Угол наклона зуба</source>
        <translation>Helix angle</translation>
    </message>
    <message>
        <source>Направление линии зуба</source>
        <translation>Hand of the tooth line</translation>
    </message>
    <message>
        <source>Нормальный исходный контур</source>
        <translation>Basic rack profile</translation>
    </message>
    <message>
        <source>Коэффициент смещения</source>
        <translation>Profile shift coefficient</translation>
    </message>
    <message>
        <source>Степень точности по ГОСТ 1643-81</source>
        <translation>Accuracy grade, GOST 1643-81</translation>
    </message>
    <message>
        <source>Прямой</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Косой</source>
        <translation>Helical</translation>
    </message>
    <message>
        <source>Левое</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Правое</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>ГОСТ 13755-81</source>
        <translation>GOST 13755-81</translation>
    </message>
</context>
<context>
    <name>drawing requirement</name>
    <message>
        <source>Твёрдость зубьев %1.</source>
        <translation>Tooth hardness %1.</translation>
    </message>
    <message>
        <source>Неуказанные предельные отклонения размеров: H14, h14, ±IT14/2.</source>
        <translation>Unspecified limit deviations: H14, h14, ±IT14/2.</translation>
    </message>
    <message>
        <source>Неуказанные радиусы скруглений 1,6 мм, фаски 1×45°.</source>
        <translation>Unspecified fillet radii 1.6 mm, chamfers 1×45°.</translation>
    </message>
    <message>
        <source>Степень точности 8-B принята по умолчанию: частота вращения не задана.</source>
        <translation>Accuracy grade 8-B taken by default: no speed was given.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>Поле %1 должно быть объектом.</source>
        <translation>Field %1 must be an object.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть списком.</source>
        <translation>Field %1 must be a list.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть строкой.</source>
        <translation>Field %1 must be a string.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть целым числом.</source>
        <translation>Field %1 must be a whole number.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть числом.</source>
        <translation>Field %1 must be a number.</translation>
    </message>
    <message>
        <source>Неизвестное поле %1.</source>
        <translation>Unknown field %1.</translation>
    </message>
    <message>
        <source>В файле нет поля %1.</source>
        <translation>The file has no field %1.</translation>
    </message>
    <message>
        <source>Число в поле %1 слишком велико.</source>
        <translation>The number in field %1 is too large.</translation>
    </message>
    <message>
        <source>Поле %1 не является конечным числом.</source>
        <translation>Field %1 is not a finite number.</translation>
    </message>
    <message>
        <source>Неизвестный коэффициент defaults.%1.</source>
        <translation>Unknown coefficient defaults.%1.</translation>
    </message>
    <message>
        <source>Коэффициент defaults.%1 должен быть положительным числом.</source>
        <translation>Coefficient defaults.%1 must be a positive number.</translation>
    </message>
    <message>
        <source>Экран «%1» в поле %2.screen не входит ни в один расчёт.</source>
        <translation>Screen “%1” in field %2.screen belongs to no calculation.</translation>
    </message>
    <message>
        <source>Экран %1 (%2) не входит в расчёт «%3».</source>
        <translation>Screen %1 (%2) is not part of the “%3” calculation.</translation>
    </message>
    <message>
        <source>Поле %1.order должно быть положительным.</source>
        <translation>Field %1.order must be positive.</translation>
    </message>
    <message>
        <source>В поле %1 стоит %2, а на экране %3 можно выбрать от %4 до %5.</source>
        <translation>Field %1 holds %2, but screen %3 offers choices %4 to %5.</translation>
    </message>
    <message>
        <source>В поле %1 стоит «%2», а под номером %3 в таблице ничего нет.</source>
        <translation>Field %1 holds “%2”, but the table has nothing under number %3.</translation>
    </message>
    <message>
        <source>В поле %1 стоит «%2», а под номером %3 в таблице «%4».</source>
        <translation>Field %1 holds “%2”, but number %3 of the table is “%4”.</translation>
    </message>
    <message>
        <source>Текст в поле %1 длиннее %2 знаков.</source>
        <translation>The text in field %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Неизвестный расчёт modes.%1: бывают transmission, wheel и check.</source>
        <translation>Unknown calculation modes.%1: the calculations are transmission, wheel and check.</translation>
    </message>
    <message>
        <source>Экран %1 (%2) начинает расчёт и может стоять только первым.</source>
        <translation>Screen %1 (%2) starts a calculation and can only come first.</translation>
    </message>
    <message>
        <source>Экран %1 встречается в расчёте дважды: %2 и %3.</source>
        <translation>Screen %1 appears twice in the calculation: %2 and %3.</translation>
    </message>
    <message>
        <source>Поле %1.order должно быть больше, чем у экранов перед ним.</source>
        <translation>Field %1.order must be greater than that of the screens before it.</translation>
    </message>
    <message>
        <source>Число «%1» в файле (строка %2, знак %3) слишком велико.</source>
        <translation>The number “%1” in the file (line %2, character %3) is too large.</translation>
    </message>
    <message>
        <source>Файл обрывается (строка %1): он записан не до конца или повреждён.</source>
        <translation>The file breaks off (line %1): it was not written to the end, or it is damaged.</translation>
    </message>
    <message>
        <source>Файл не читается как JSON: ошибка в тексте (строка %1, знак %2).</source>
        <translation>The file cannot be read as JSON: there is an error in the text (line %1, character %2).</translation>
    </message>
    <message>
        <source>Экран %1 расчёта «%2» при данных файла не выполняется так, как записано: файл изменён или повреждён.</source>
        <translation>Screen %1 of the “%2” calculation does not run as recorded with the file’s data: the file has been changed or damaged.</translation>
    </message>
    <message>
        <source>В файле есть результаты расчёта «%1» (%2), но его экраны не доводят расчёт до результатов.</source>
        <translation>The file holds results of the “%1” calculation (%2), but its screens do not take the calculation as far as its results.</translation>
    </message>
    <message>
        <source>В файле нет результатов расчёта «%1» (%2), хотя его экраны доводят расчёт до них.</source>
        <translation>The file holds no results of the “%1” calculation (%2), although its screens take the calculation as far as them.</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Результат %1 в файле (%2) не совпадает с пересчитанным (%3): файл изменён вручную или записан другой версией расчёта.</source>
        <translation>Result %1 in the file (%2) differs from the recomputed one (%3): the file was edited by hand or written by another version of the calculation.</translation>
    </message>
    <message>
        <source>Результат %1.steelGrade в файле («%2») не совпадает с пересчитанным («%3»).</source>
        <translation>Result %1.steelGrade in the file (“%2”) differs from the recomputed one (“%3”).</translation>
    </message>
    <message>
        <source>Файл больше 1 МиБ: расчёт столько не занимает, это не файл расчёта.</source>
        <translation>The file is larger than 1 MiB: a calculation takes far less, so this is not a calculation file.</translation>
    </message>
    <message>
        <source>Файл пуст: в нём нет расчёта.</source>
        <translation>The file is empty: it holds no calculation.</translation>
    </message>
    <message>
        <source>Это не файл расчёта: в нём нет полей format и version.</source>
        <translation>This is not a calculation file: it has no format and version fields.</translation>
    </message>
    <message>
        <source>Это не файл расчёта зубчатого колеса: в поле format должно стоять «%1».</source>
        <translation>This is not a gear calculation file: field format must hold “%1”.</translation>
    </message>
    <message>
        <source>Файл записан более новой версией программы (version %1); эта версия читает файлы расчёта до version %2.</source>
        <translation>The file was written by a newer version of the program (version %1); this version reads calculation files up to version %2.</translation>
    </message>
    <message>
        <source>Поле version должно быть не меньше 1.</source>
        <translation>Field version must be at least 1.</translation>
    </message>
    <message>
        <source>Поле order одинаково у %1 и %2.</source>
        <translation>Field order is the same in %1 and %2.</translation>
    </message>
    <message>
        <source>Расчёт по данным файла не даёт конечного результата.</source>
        <translation>The calculation with the file’s data gives no finite result.</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт. %2</source>
        <translation>File “%1” was not opened. %2</translation>
    </message>
    <message>
        <source>Расчёт сохранён. Результаты расчёта %1 в файле пересчитаны по данным его экранов и отличаются от показанных: экраны нажимались не по порядку или коэффициенты менялись по ходу расчёта. Откройте файл, чтобы увидеть расчёт таким, каким он записан.</source>
        <translation>The calculation is saved. The results of %1 in the file were computed again from the data of its screens and differ from those shown: the screens were pressed out of order, or the coefficients were changed midway. Open the file to see the calculation as it is recorded.</translation>
    </message>
    <message>
        <source>Поле %1 стоит в файле дважды: неясно, какое из значений верно.</source>
        <translation>Field %1 stands twice in the file: which of its values is meant is unclear.</translation>
    </message>
    <message>
        <source>Объекты и списки в файле вложены глубже %1 уровней: это не файл расчёта.</source>
        <translation>Objects and lists in the file nest deeper than %1 levels: this is not a calculation file.</translation>
    </message>
    <message>
        <source>В файле больше %1 значений (чисел, строк, объектов и списков): в файле расчёта их в десятки раз меньше.</source>
        <translation>The file holds more than %1 values (numbers, strings, objects and lists): a calculation file holds dozens of times fewer.</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>экран %1: %2</source>
        <translation>screen %1: %2</translation>
    </message>
    <message>
        <source>его экраны не доводят расчёт до результатов.</source>
        <translation>its screens do not take the calculation as far as its results.</translation>
    </message>
    <message>
        <source>Число зубьев колеса Z2 = U·Z1 теперь округляется до целого, и дальше везде берётся фактическое передаточное число Uф = Z2/Z1.</source>
        <translation>The wheel’s number of teeth Z2 = U·Z1 is now rounded to a whole number, and the actual ratio Uф = Z2/Z1 is taken everywhere after that.</translation>
    </message>
    <message>
        <source>Проектный расчёт мягких зубьев: момент T2 входит в формулы межосевого расстояния и модуля в Н·мм (·1000), как в расчёте на изгиб; прежде aw и модуль выходили в 10 раз меньше.</source>
        <translation>Design of soft teeth: the torque T2 enters the formulas of the centre distance and the module in N·mm (·1000), as in the bending design; before, aw and the module came out ten times too small.</translation>
    </message>
    <message>
        <source>Допускаемое контактное напряжение пары — меньшее из σHP1 и σHP2, а не напряжение шестерни.</source>
        <translation>The pair’s allowable contact stress is the smaller of σHP1 and σHP2, not the pinion’s.</translation>
    </message>
    <message>
        <source>Модуль мягких зубьев — больший из модуля по изгибу и модуля, который даёт рассчитанное межосевое расстояние при заданном Z1.</source>
        <translation>The module of soft teeth is the larger of the bending module and the module that gives the designed centre distance with the Z1 typed.</translation>
    </message>
    <message>
        <source>В проверке рабочих напряжений коэффициент формы зуба YF берётся из таблицы по zv каждого колеса, а не 4 из проектного расчёта.</source>
        <translation>The check of the working stresses takes the tooth form factor YF from the table by each gear’s zv, not the design’s 4.</translation>
    </message>
    <message>
        <source>Коэффициент формы зуба YF при zv от 80 и выше равен 3.74, как в таблице, из которой он взят; прежде он снова рос до 4.47.</source>
        <translation>The tooth form factor YF is 3.74 for every zv from 80 up, as in the table it comes from; before, it rose again to 4.47.</translation>
    </message>
    <message>
        <source>Контактное напряжение в зацеплении одно: σH2 = σH1; прежде σH2 считалось по диаметру колеса и выходило в √U раз меньше.</source>
        <translation>A mesh has one contact stress: σH2 = σH1; before, σH2 was worked out from the wheel’s diameter and came out √U times too small.</translation>
    </message>
    <message>
        <source>Коэффициенты нагрузки KFβ и KHβ (и kF, kH) по умолчанию равны 1, а не 0.8: коэффициент нагрузки не бывает меньше единицы.</source>
        <translation>The load factors KFβ and KHβ (and kF, kH) default to 1, not 0.8: a load factor is never below one.</translation>
    </message>
    <message>
        <source>Проектный расчёт ведётся с материалом своей цепочки экранов, а не с тем, что выбран позже в режиме «Проверка».</source>
        <translation>The design computes with the material of its own chain of screens, not with the one chosen later in the “Check” mode.</translation>
    </message>
    <message>
        <source>Диаметры колеса считаются от принятого модуля: d = m·z/cos β, da = d + 2m, df = d − 2.5m; прежде d = da − 2m от введённого da, и таблица эскиза противоречила себе.</source>
        <translation>The wheel’s diameters follow from the module taken: d = m·z/cos β, da = d + 2m, df = d − 2.5m; before, d = da − 2m from the da typed, and the sketch’s table contradicted itself.</translation>
    </message>
    <message>
        <source>Допускаемая нагрузка считается как обратная задача проектного расчёта на изгиб: с 0.4·σF lim, коэффициентом формы зуба YF, коэффициентом нагрузки 1.5 и Yβ; прежде предел выносливости брался как рабочее напряжение.</source>
        <translation>The permissible load is the bending design run backwards: with 0.4·σF lim, the tooth form factor YF, the load factor 1.5 and Yβ; before, the endurance limit was taken as the working stress.</translation>
    </message>
    <message>
        <source>Проверка ведётся с материалом своей цепочки экранов, а не с напряжениями, которые оставил расчёт передачи.</source>
        <translation>The check computes with the material of its own chain of screens, not with the stresses a design left behind.</translation>
    </message>
    <message>
        <source>«%1»: результатов больше нет — %2 Введённое осталось на экранах.</source>
        <translation>“%1”: there are no results any more — %2 What was typed stays on the screens.</translation>
    </message>
    <message>
        <source>«%1»: %2.</source>
        <translation>“%1”: %2.</translation>
    </message>
    <message>
        <source>Файл записан прежней версией программы (формат version %1). Его данные пересчитаны по исправленным формулам; изменились результаты:</source>
        <translation>The file was written by an earlier version of the program (format version %1). Its data were computed again by the mended formulas; these results changed:</translation>
    </message>
    <message>
        <source>Данные файла пересчитаны; изменились результаты:</source>
        <translation>The file’s data were computed again; these results changed:</translation>
    </message>
    <message>
        <source>Почему:</source>
        <translation>Why:</translation>
    </message>
    <message>
        <source>При сохранении в файл запишутся новые результаты.</source>
        <translation>Saving writes the new results into the file.</translation>
    </message>
    <message>
        <source>Коэффициент %1 в файле равен %2; принят %3. %4</source>
        <translation>Coefficient %1 in the file is %2; %3 is taken. %4</translation>
    </message>
    <message>
        <source>Допуск selfCheck.tolerance должен быть больше 0 и не больше %1 %.</source>
        <translation>The tolerance selfCheck.tolerance must be more than 0 and at most %1 %.</translation>
    </message>
    <message>
        <source>Неизвестный расчёт %1.mode: бывают transmission, wheel и check.</source>
        <translation>Unknown calculation %1.mode: the calculations are transmission, wheel and check.</translation>
    </message>
    <message>
        <source>Поле %1.line должно быть положительным.</source>
        <translation>Field %1.line must be positive.</translation>
    </message>
    <message>
        <source>Строка %1 хода расчёта стоит в selfCheck.values дважды.</source>
        <translation>The line of the calculation steps in %1 stands twice in selfCheck.values.</translation>
    </message>
</context>
<context>
    <name>formula</name>
    <message>
        <source>ближайший нормальный размер к {b_w}</source>
        <translation>nearest standard size to {b_w}</translation>
    </message>
    <message>
        <source>ближайший нормальный размер к {m}·{ψ_bm}</source>
        <translation>nearest standard size to {m}·{ψ_bm}</translation>
    </message>
    <message>
        <source>ближайший нормальный размер к {d_в}</source>
        <translation>nearest standard size to {d_в}</translation>
    </message>
    <message>
        <source>ближайший нормальный размер к {d_ст}</source>
        <translation>nearest standard size to {d_ст}</translation>
    </message>
    <message>
        <source>ближайший нормальный размер к {L_ст}</source>
        <translation>nearest standard size to {L_ст}</translation>
    </message>
    <message>
        <source>{U}·{Z_1}, округлённое до целого</source>
        <translation>{U}·{Z_1}, rounded to a whole number</translation>
    </message>
    <message>
        <source>ближайшее к {a_w} по ГОСТ 2185-66</source>
        <translation>nearest to {a_w} in GOST 2185-66</translation>
    </message>
</context>
<context>
    <name>gear::ui::CalculationDocument</name>
    <message>
        <source>Расчёты зубчатых колёс (*.gear);;Все файлы (*)</source>
        <translation>Gear calculations (*.gear);;All files (*)</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: %2.</source>
        <translation>File “%1” was not opened: %2.</translation>
    </message>
    <message>
        <source>Файл «%1» не прочитан: %2.</source>
        <translation>File “%1” was not read: %2.</translation>
    </message>
    <message>
        <source>Расчёт не сохранён в файл «%1»: %2.</source>
        <translation>The calculation was not saved in file “%1”: %2.</translation>
    </message>
    <message>
        <source>Расчёт зубчатого колеса</source>
        <translation>Gear Wheel Calculation</translation>
    </message>
    <message>
        <source>Открыть расчёт</source>
        <translation>Open calculation</translation>
    </message>
    <message>
        <source>Сохранить расчёт</source>
        <translation>Save calculation</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>«%1» не открыт: это папка, а не файл.</source>
        <translation>“%1” was not opened: it is a folder, not a file.</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: это не обычный файл, а канал, устройство или сокет.</source>
        <translation>File “%1” was not opened: it is not a regular file but a pipe, a device or a socket.</translation>
    </message>
</context>
<context>
    <name>gear::ui::CommandLine</name>
    <message>
        <source>Расчёт зубчатых колёс для курса «Детали машин».</source>
        <translation>Gear wheel calculation for the course of machine elements.</translation>
    </message>
    <message>
        <source>Файл расчёта (.gear), который нужно открыть.</source>
        <translation>A calculation file (.gear) to open.</translation>
    </message>
    <message>
        <source>Записать отчёт (пояснительную записку) по файлу расчёта, без окна.</source>
        <translation>Write the calculation note of a calculation file, with no window.</translation>
    </message>
    <message>
        <source>Файл отчёта: .pdf или .odt.</source>
        <translation>The note&apos;s file: .pdf or .odt.</translation>
    </message>
    <message>
        <source>Студент — для титульного листа и основной надписи.</source>
        <translation>The student, for the title page and the title block.</translation>
    </message>
    <message>
        <source>Группа студента.</source>
        <translation>The student&apos;s group.</translation>
    </message>
    <message>
        <source>Вариант; без него — записанный в файле.</source>
        <translation>The variant; without it, the one the file records.</translation>
    </message>
    <message>
        <source>отчёт записывается в файл .pdf или .odt: --report ФАЙЛ.gear -o ОТЧЁТ.pdf</source>
        <translation>the note is written to a .pdf or .odt file: --report FILE.gear -o NOTE.pdf</translation>
    </message>
</context>
<context>
    <name>gear::ui::DrawingExport</name>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Чертёж DXF для САПР (*.dxf)</source>
        <translation>DXF drawing for CAD (*.dxf)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Изображение PNG, 300 dpi (*.png)</source>
        <translation>PNG image, 300 dpi (*.png)</translation>
    </message>
    <message>
        <source>Не удалось записать файл «%1»: %2. Файл не сохранён.</source>
        <translation>Could not write file “%1”: %2. The file is not saved.</translation>
    </message>
    <message>
        <source>Не удалось создать файл «%1»: %2.</source>
        <translation>Could not create file “%1”: %2.</translation>
    </message>
    <message>
        <source>ошибка при записи</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Сохранить чертёж</source>
        <translation>Save drawing</translation>
    </message>
    <message>
        <source>Чертёж сохраняется в файлы SVG, DXF, PDF или PNG.</source>
        <translation>A drawing is saved in SVG, DXF, PDF or PNG files.</translation>
    </message>
    <message>
        <source>Деталь этих размеров не помещается на лист ни в одном масштабе ГОСТ 2.302: чертёж не сохранён.</source>
        <translation>A part of these sizes fits no sheet at any scale of GOST 2.302: the drawing was not saved.</translation>
    </message>
</context>
<context>
    <name>gear::ui::GroupMarking</name>
    <message>
        <source>проверена</source>
        <translation>marked</translation>
    </message>
    <message>
        <source>результаты исправлены вручную</source>
        <translation>results edited by hand</translation>
    </message>
    <message>
        <source>файл не открывается</source>
        <translation>the file does not open</translation>
    </message>
    <message>
        <source>нет варианта</source>
        <translation>no variant</translation>
    </message>
    <message>
        <source>варианта нет в списке</source>
        <translation>variant not in the list</translation>
    </message>
    <message>
        <source>Проверка работ группы</source>
        <translation>Marking a Group’s Work</translation>
    </message>
    <message>
        <source>Список вариантов (CSV):</source>
        <translation>List of variants (CSV):</translation>
    </message>
    <message>
        <source>Папка с файлами работ (.gear):</source>
        <translation>Folder of the work files (.gear):</translation>
    </message>
    <message>
        <source>Выбрать…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Сохранить CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Чаще всего неверно:</source>
        <translation>Most often wrong:</translation>
    </message>
    <message>
        <source>Список вариантов</source>
        <translation>List of variants</translation>
    </message>
    <message>
        <source>Список вариантов (*.csv)</source>
        <translation>List of variants (*.csv)</translation>
    </message>
    <message>
        <source>Папка с файлами работ</source>
        <translation>Folder of the work files</translation>
    </message>
    <message>
        <source>Выберите файл списка вариантов и папку с файлами работ.</source>
        <translation>Choose the file of the list of variants and the folder of the work files.</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Оценка, %</source>
        <translation>Mark, %</translation>
    </message>
    <message>
        <source>Строк верно</source>
        <translation>Lines right</translation>
    </message>
    <message>
        <source>Ключевые результаты верно</source>
        <translation>Key results right</translation>
    </message>
    <message>
        <source>Самопроверка верно</source>
        <translation>Self-check right</translation>
    </message>
    <message>
        <source>Первая ошибка</source>
        <translation>First error</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Строка %1 списка: %2</source>
        <translation>Line %1 of the list: %2</translation>
    </message>
    <message>
        <source>Сохранить оценки</source>
        <translation>Save the marks</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Не удаётся записать %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>gear::ui::HodRascheta</name>
    <message>
        <source>Значения самопроверки</source>
        <translation>Self-check values</translation>
    </message>
    <message>
        <source>Таблица символ;значение (*.csv *.txt)</source>
        <translation>Table of symbol;value (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Файл «%1» не читается как таблица символ;значение.</source>
        <translation>File “%1” cannot be read as a table of symbol;value.</translation>
    </message>
</context>
<context>
    <name>gear::ui::Info</name>
    <message>
        <source>Версия %1. Свободная программа: её можно распространять и изменять на условиях GNU GPL версии 3 или более поздней.</source>
        <translation>Version %1. Free software: you may share and change it under the terms of the GNU GPL, version 3 or later.</translation>
    </message>
</context>
<context>
    <name>gear::ui::Nachalo</name>
    <message>
        <source>Программа для расчёта параметров                       колёс или шестерен .</source>
        <translation>A program for calculating the parameters of wheels or pinions</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Расчёт</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Колесо</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Передача</source>
        <translation>Gear Pair</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Отчёт (PDF)…</source>
        <translation>Report (PDF)…</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Ход расчёта</source>
        <translation>Calculation Steps</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Сохранить расчёт, прежде чем открыть другой?</source>
        <translation>Save the calculation before opening another one?</translation>
    </message>
    <message>
        <source>Расчёт не сохранён. Сохранить его перед выходом?</source>
        <translation>The calculation is not saved. Save it before exiting?</translation>
    </message>
    <message>
        <source>Проверить работы группы…</source>
        <translation>Mark a Group’s Work…</translation>
    </message>
</context>
<context>
    <name>gear::ui::Report</name>
    <message>
        <source>Расчёт зубчатого колеса</source>
        <translation>Gear Wheel Calculation</translation>
    </message>
    <message>
        <source>Студент</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Ход расчёта</source>
        <translation>Calculation steps</translation>
    </message>
    <message>
        <source>Чертёж</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Ни один расчёт ещё не доведён до результатов.</source>
        <translation>No calculation has reached its results yet.</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Студент:</source>
        <translation>Student:</translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Вариант:</source>
        <translation>Variant:</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Отчёт.pdf</source>
        <translation>Report.pdf</translation>
    </message>
    <message>
        <source>Проверка прочности</source>
        <translation>Strength check</translation>
    </message>
    <message>
        <source>Расчёт зубчатой передачи. Пояснительная записка</source>
        <translation>Gear pair calculation. Explanatory note</translation>
    </message>
    <message>
        <source>Заключение</source>
        <translation>Conclusions</translation>
    </message>
    <message>
        <source>Список использованных источников</source>
        <translation>References</translation>
    </message>
    <message>
        <source>Кафедра «Детали машин»</source>
        <translation>Department of Machine Elements</translation>
    </message>
    <message>
        <source>ПОЯСНИТЕЛЬНАЯ ЗАПИСКА</source>
        <translation>EXPLANATORY NOTE</translation>
    </message>
    <message>
        <source>к расчёту цилиндрической зубчатой передачи</source>
        <translation>to the calculation of a cylindrical gear pair</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>ДМ ПЗ</source>
        <translation>ME EN</translation>
    </message>
    <message>
        <source>ДМ.%1.000 ПЗ</source>
        <translation>ME.%1.000 EN</translation>
    </message>
    <message>
        <source>Не удалось составить документ OpenDocument.</source>
        <translation>The OpenDocument document could not be made.</translation>
    </message>
    <message>
        <source>Документ OpenDocument (*.odt)</source>
        <translation>OpenDocument text (*.odt)</translation>
    </message>
</context>
<context>
    <name>gear::ui::Screens</name>
    <message>
        <source>Расчёт зубчатого колеса</source>
        <translation>Gear Wheel Calculation</translation>
    </message>
</context>
<context>
    <name>gear::web::Page</name>
    <message>
        <source>Загрузка…</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>Модуль расчёта не загрузился (%1). Проверьте соединение и нажмите «Повторить».</source>
        <translation>The calculation module did not load (%1). Check the connection and press “Retry”.</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Скопировано</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>Не скопировано: браузер не дал доступа к буферу обмена (%1).</source>
        <translation>Not copied: the browser gave no access to the clipboard (%1).</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Экраны</source>
        <translation>Screens</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Сохранить как PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Тип файла</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Таблица, прокручивается в сторону</source>
        <translation>Table, scrolls sideways</translation>
    </message>
    <message>
        <source>Чертёж, прокручивается в сторону</source>
        <translation>Drawing, scrolls sideways</translation>
    </message>
</context>
<context>
    <name>grading</name>
    <message>
        <source>В файле не записан вариант (его вводят в окне «Отчёт»).</source>
        <translation>The file records no variant (it is entered in the “Report” window).</translation>
    </message>
    <message>
        <source>В списке нет варианта «%1».</source>
        <translation>The list has no variant “%1”.</translation>
    </message>
    <message>
        <source>«%1», %2, %3: неверно у %4 из %5, с этой строки ошибки начались у %6.</source>
        <translation>“%1”, %2, %3: wrong for %4 of %5; the errors began on this line for %6.</translation>
    </message>
    <message>
        <source>Все строки хода расчёта у всех проверенных работ верны.</source>
        <translation>Every line of the calculation steps is right in every work marked.</translation>
    </message>
</context>
<context>
    <name>inputs</name>
    <message>
        <source>Число зубьев шестерни Z1</source>
        <translation>Number of pinion teeth Z1</translation>
    </message>
    <message>
        <source>Угол наклона зубьев β</source>
        <translation>Helix angle β</translation>
    </message>
    <message>
        <source>Вращающий момент на валу шестерни T1</source>
        <translation>Torque on the pinion shaft T1</translation>
    </message>
    <message>
        <source>Передаточное отношение U</source>
        <translation>Gear ratio U</translation>
    </message>
    <message>
        <source>Число зубьев z</source>
        <translation>Number of teeth z</translation>
    </message>
    <message>
        <source>Диаметр вала dв</source>
        <translation>Shaft diameter ds</translation>
    </message>
    <message>
        <source>Диаметр выступов da</source>
        <translation>Tip diameter da</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца bw</source>
        <translation>Face width bw</translation>
    </message>
    <message>
        <source>Длина ступицы Lст</source>
        <translation>Hub length Lh</translation>
    </message>
    <message>
        <source>Делительный диаметр d</source>
        <translation>Pitch diameter d</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца b</source>
        <translation>Face width b</translation>
    </message>
    <message>
        <source>Твёрдость зубьев</source>
        <translation>Tooth hardness</translation>
    </message>
    <message>
        <source>Предел контактной выносливости</source>
        <translation>Contact endurance limit</translation>
    </message>
    <message>
        <source>Предел выносливости при изгибе</source>
        <translation>Bending endurance limit</translation>
    </message>
    <message>
        <source>Исходные данные передачи</source>
        <translation>Input data of the gear pair</translation>
    </message>
    <message>
        <source>Исходные данные колеса</source>
        <translation>Input data of the wheel</translation>
    </message>
    <message>
        <source>Исходные данные проверки</source>
        <translation>Input data of the check</translation>
    </message>
    <message>
        <source>Строка таблицы рекомендуемой твёрдости</source>
        <translation>Row of the table of recommended hardness</translation>
    </message>
    <message>
        <source>Требования к изготовлению</source>
        <translation>Manufacturing requirements</translation>
    </message>
    <message>
        <source>Способ обработки</source>
        <translation>Treatment</translation>
    </message>
    <message>
        <source>Марка стали</source>
        <translation>Steel grade</translation>
    </message>
    <message>
        <source>Стандартный модуль m</source>
        <translation>Standard module m</translation>
    </message>
    <message>
        <source>Сталь окончательного выбора</source>
        <translation>Steel of the final choice</translation>
    </message>
    <message>
        <source>не выбрана</source>
        <translation>not chosen</translation>
    </message>
    <message>
        <source>Частота вращения шестерни n1</source>
        <translation>Pinion speed n1</translation>
    </message>
</context>
<context>
    <name>mode</name>
    <message>
        <source>Передача</source>
        <translation>Gear pair</translation>
    </message>
    <message>
        <source>Колесо</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
</context>
<context>
    <name>refusal</name>
    <message>
        <source>При этих данных расчёт не даёт конечного результата.</source>
        <translation>With these data the calculation gives no finite result.</translation>
    </message>
    <message>
        <source>Предел выносливости при изгибе не задан: выберите материал заново.</source>
        <translation>The bending endurance limit is not set: choose the material again.</translation>
    </message>
    <message>
        <source>Предел контактной выносливости не задан: выберите материал заново.</source>
        <translation>The contact endurance limit is not set: choose the material again.</translation>
    </message>
    <message>
        <source>При этих данных модуль не получается положительным числом.</source>
        <translation>With these data the module does not come out as a positive number.</translation>
    </message>
    <message>
        <source>Нужно взять ровно одно стандартное значение модуля.</source>
        <translation>Take exactly one standard value of the module.</translation>
    </message>
    <message>
        <source>При модуле %1 мм диаметр впадин не получается положительным: выберите модуль меньше.</source>
        <translation>With a module of %1 mm the root diameter does not come out positive: choose a smaller module.</translation>
    </message>
    <message>
        <source>При этих данных прочностной расчёт не даёт конечного результата: проверьте число зубьев, момент и передаточное отношение.</source>
        <translation>With these data the strength calculation gives no finite result: check the number of teeth, the torque and the gear ratio.</translation>
    </message>
    <message>
        <source>Коэффициент %1 не может быть меньше 1: коэффициент нагрузки, её неравномерности или динамики по определению не меньше единицы.</source>
        <translation>Coefficient %1 cannot be below 1: a load, load distribution or dynamic factor is at least one by definition.</translation>
    </message>
    <message>
        <source>Коэффициент %1 должен быть больше %2 и не больше %3.</source>
        <translation>Coefficient %1 must be above %2 and at most %3.</translation>
    </message>
    <message>
        <source>Коэффициент %1 должен быть от %2 до %3.</source>
        <translation>Coefficient %1 must be from %2 to %3.</translation>
    </message>
    <message>
        <source>Введите коэффициент %1 числом.</source>
        <translation>Type coefficient %1 as a number.</translation>
    </message>
    <message>
        <source>Введите делительный диаметр колеса d, мм.</source>
        <translation>Type the pitch diameter of the wheel d, mm.</translation>
    </message>
    <message>
        <source>Делительный диаметр колеса должен быть больше 0 и не больше %1 мм.</source>
        <translation>The pitch diameter of the wheel must be above 0 and at most %1 mm.</translation>
    </message>
    <message>
        <source>Введите число зубьев колеса z.</source>
        <translation>Type the number of teeth of the wheel z.</translation>
    </message>
    <message>
        <source>Число зубьев колеса z должно быть целым, от %1 до %2: меньше 10 зубьев без смещения не нарезать.</source>
        <translation>The number of teeth of the wheel z must be a whole number from %1 to %2: fewer than 10 teeth cannot be cut without profile shift.</translation>
    </message>
    <message>
        <source>Введите угол наклона зубьев в градусах или оставьте поле пустым для прямых зубьев.</source>
        <translation>Type the helix angle in degrees, or leave the field empty for spur teeth.</translation>
    </message>
    <message>
        <source>Угол наклона зубьев должен быть от %1 до %2 градусов.</source>
        <translation>The helix angle must be from %1 to %2 degrees.</translation>
    </message>
    <message>
        <source>Введите ширину зубчатого венца b, мм.</source>
        <translation>Type the face width b, mm.</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца должна быть больше 0 и не больше %1 мм.</source>
        <translation>The face width must be above 0 and at most %1 mm.</translation>
    </message>
    <message>
        <source>Введите число зубьев шестерни Z1.</source>
        <translation>Type the number of teeth of the pinion Z1.</translation>
    </message>
    <message>
        <source>Число зубьев шестерни Z1 должно быть целым, от %1 до %2: меньше 10 зубьев без смещения не нарезать.</source>
        <translation>The number of teeth of the pinion Z1 must be a whole number from %1 to %2: fewer than 10 teeth cannot be cut without profile shift.</translation>
    </message>
    <message>
        <source>Введите вращающий момент T, Н·м.</source>
        <translation>Type the torque T, N·m.</translation>
    </message>
    <message>
        <source>Вращающий момент T должен быть больше 0 и не больше %1 Н·м.</source>
        <translation>The torque T must be above 0 and at most %1 N·m.</translation>
    </message>
    <message>
        <source>Введите передаточное отношение U или выберите его из списка.</source>
        <translation>Type the gear ratio U or choose it from the list.</translation>
    </message>
    <message>
        <source>Передаточное отношение U должно быть от %1 до %2.</source>
        <translation>The gear ratio U must be from %1 to %2.</translation>
    </message>
    <message>
        <source>Введите модуль числом или возьмите его из списка.</source>
        <translation>Type the module as a number or take it from the list.</translation>
    </message>
    <message>
        <source>Модуль должен быть больше 0 и не больше %1 мм: так кончается ряд модулей ГОСТ 9563-80.</source>
        <translation>The module must be above 0 and at most %1 mm: that is where the modules of GOST 9563-80 end.</translation>
    </message>
    <message>
        <source>Вал dв = %1 мм не помещается в колесо с модулем %2 мм: диаметр вала должен быть меньше диаметра впадин df = %3 мм.</source>
        <translation>A shaft of ds = %1 mm does not fit a wheel of module %2 mm: the shaft diameter must be smaller than the root diameter df = %3 mm.</translation>
    </message>
    <message>
        <source>Введите число зубьев Z.</source>
        <translation>Type the number of teeth Z.</translation>
    </message>
    <message>
        <source>Число зубьев Z должно быть целым, от %1 до %2: меньше 10 зубьев без смещения не нарезать.</source>
        <translation>The number of teeth Z must be a whole number from %1 to %2: fewer than 10 teeth cannot be cut without profile shift.</translation>
    </message>
    <message>
        <source>Введите диаметр вала dв, мм.</source>
        <translation>Type the shaft diameter ds, mm.</translation>
    </message>
    <message>
        <source>Диаметр вала dв должен быть больше 0 и не больше %1 мм.</source>
        <translation>The shaft diameter ds must be above 0 and at most %1 mm.</translation>
    </message>
    <message>
        <source>Введите диаметр окружности вершин da, мм.</source>
        <translation>Type the tip diameter da, mm.</translation>
    </message>
    <message>
        <source>Диаметр окружности вершин da должен быть больше 0 и не больше %1 мм — наибольшего нормального размера.</source>
        <translation>The tip diameter da must be above 0 and at most %1 mm, the largest preferred size.</translation>
    </message>
    <message>
        <source>Вал dв = %1 мм не помещается в колесо: диаметр вала должен быть меньше диаметра вершин da = %2 мм.</source>
        <translation>A shaft of ds = %1 mm does not fit the wheel: the shaft diameter must be smaller than the tip diameter da = %2 mm.</translation>
    </message>
    <message>
        <source>Введите ширину зубчатого венца bw, мм.</source>
        <translation>Type the face width bw, mm.</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца bw должна быть больше 0 и не больше %1 мм.</source>
        <translation>The face width bw must be above 0 and at most %1 mm.</translation>
    </message>
    <message>
        <source>Введите ширину ступицы Lст, мм.</source>
        <translation>Type the hub length Lh, mm.</translation>
    </message>
    <message>
        <source>Ширина ступицы Lст должна быть больше 0 и не больше %1 мм.</source>
        <translation>The hub length Lh must be above 0 and at most %1 mm.</translation>
    </message>
    <message>
        <source>Введите частоту вращения шестерни n1 числом или оставьте поле пустым.</source>
        <translation>Enter the pinion speed n1 as a number or leave the field empty.</translation>
    </message>
    <message>
        <source>Частота вращения шестерни n1 должна быть больше 0 и не больше %1 об/мин.</source>
        <translation>The pinion speed n1 must be above 0 and at most %1 rpm.</translation>
    </message>
</context>
<context>
    <name>requirements</name>
    <message>
        <source>Жёсткие</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>Не жёсткие</source>
        <translation>Not strict</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>Нормальный модуль</source>
        <translation>Normal module</translation>
    </message>
    <message>
        <source>Число зубьев</source>
        <translation>Number of teeth</translation>
    </message>
    <message>
        <source>Угол наклона зубьев</source>
        <translation>Helix angle</translation>
    </message>
    <message>
        <source>Диаметр выступов</source>
        <translation>Tip diameter</translation>
    </message>
    <message>
        <source>Диаметр впадин</source>
        <translation>Root diameter</translation>
    </message>
    <message>
        <source>Диаметр делительной окружности</source>
        <translation>Pitch diameter</translation>
    </message>
    <message>
        <source>Марка стали зубчатого венца</source>
        <translation>Steel grade of the rim</translation>
    </message>
    <message>
        <source>Результаты расчёта передачи</source>
        <translation>Results of the gear pair</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Единица величины</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Шестерня</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>колесо</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Размеры колеса</source>
        <translation>Wheel dimensions</translation>
    </message>
    <message>
        <source>Результат проверки</source>
        <translation>Check result</translation>
    </message>
    <message>
        <source>Расчётная нагрузка равна</source>
        <translation>The calculated load is</translation>
    </message>
</context>
<context>
    <name>screen</name>
    <message>
        <source>Сохранить чертёж…</source>
        <translation>Save Drawing…</translation>
    </message>
    <message>
        <source>Средняя твёрдость зубьев</source>
        <translation>Mean tooth hardness</translation>
    </message>
    <message>
        <source>на поверхности</source>
        <translation>at the surface</translation>
    </message>
    <message>
        <source>в сердцевине основания</source>
        <translation>in the core</translation>
    </message>
    <message>
        <source>Рекомендуемые значения твёрдости зубьев и виды ХТО</source>
        <translation>Recommended tooth hardness and kinds of heat treatment</translation>
    </message>
    <message>
        <source>Область применения</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>Требования
к габаритам</source>
        <translation>Size
requirements</translation>
    </message>
    <message>
        <source>Термообработка</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <source>Твёрдость пов-ти зуба</source>
        <translation>Tooth surface hardness</translation>
    </message>
    <message>
        <source>шестерни</source>
        <translation>pinion</translation>
    </message>
    <message>
        <source>колеса</source>
        <translation>wheel</translation>
    </message>
    <message>
        <source>Редукторы больших раз- меров индивидуального производства,мало- нагруженные передачи</source>
        <translation>Large gearboxes made one at a time, lightly loaded gears</translation>
    </message>
    <message>
        <source>Нежёсткие</source>
        <translation>Not strict</translation>
    </message>
    <message>
        <source>Нормализация</source>
        <translation>Normalising</translation>
    </message>
    <message>
        <source>200...210 НВ</source>
        <translation>200...210 HB</translation>
    </message>
    <message>
        <source>160...170 НВ</source>
        <translation>160...170 HB</translation>
    </message>
    <message>
        <source>Редукторы общего наз- начения в единичном и мелкосерийном произ- водстве,передачи с небольшими нагрузками</source>
        <translation>General-purpose gearboxes in one-off and small-batch production, gears under small loads</translation>
    </message>
    <message>
        <source>Улучшение</source>
        <translation>Quenching and tempering</translation>
    </message>
    <message>
        <source>300...340 НВ</source>
        <translation>300...340 HB</translation>
    </message>
    <message>
        <source>240...280 НВ</source>
        <translation>240...280 HB</translation>
    </message>
    <message>
        <source>Редукторы общего наз- начения в серийном и массовом производстве тихоходные передачи низкой тотчности</source>
        <translation>General-purpose gearboxes in batch and mass production, slow gears of low accuracy</translation>
    </message>
    <message>
        <source>Жёсткие</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>Объёмная закалка
Закалка ТВЧ</source>
        <translation>Through hardening
Induction hardening</translation>
    </message>
    <message>
        <source>45..52 НРС</source>
        <translation>45..52 HRC</translation>
    </message>
    <message>
        <source>45...52 НРС</source>
        <translation>45...52 HRC</translation>
    </message>
    <message>
        <source>50..56 НРС</source>
        <translation>50..56 HRC</translation>
    </message>
    <message>
        <source>50...56 НРС</source>
        <translation>50...56 HRC</translation>
    </message>
    <message>
        <source>Транспортные и горные машины, высоконагружен- ные передачи малых и средних размеров</source>
        <translation>Vehicles and mining machines, heavily loaded gears of small and medium size</translation>
    </message>
    <message>
        <source>Цементация</source>
        <translation>Carburising</translation>
    </message>
    <message>
        <source>56..63 НРС</source>
        <translation>56..63 HRC</translation>
    </message>
    <message>
        <source>56...63 НРС</source>
        <translation>56...63 HRC</translation>
    </message>
    <message>
        <source>Небольшие зубчатые колёса крупносерийного и массового производства</source>
        <translation>Small gears in large-batch and mass production</translation>
    </message>
    <message>
        <source>Нитроцементация</source>
        <translation>Carbonitriding</translation>
    </message>
    <message>
        <source>Быстроходные точные передачи, работающие без ударов</source>
        <translation>Fast precision gears running without shocks</translation>
    </message>
    <message>
        <source>Азотирование</source>
        <translation>Nitriding</translation>
    </message>
    <message>
        <source>50..60 НРС</source>
        <translation>50..60 HRC</translation>
    </message>
    <message>
        <source>50...60 НРС</source>
        <translation>50...60 HRC</translation>
    </message>
    <message>
        <source>Объёмная закалка</source>
        <translation>Through hardening</translation>
    </message>
    <message>
        <source>Закалка ТВЧ</source>
        <translation>Induction hardening</translation>
    </message>
    <message>
        <source>Требования к изготовлению</source>
        <translation>Manufacturing requirements</translation>
    </message>
    <message>
        <source>Способ обработки</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <source>180...350 НВ</source>
        <translation>180...350 HB</translation>
    </message>
    <message>
        <source>Выберите марку стали</source>
        <translation>Choose the steel grade</translation>
    </message>
    <message>
        <source>Ввод исходных данных</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Введите число зубьев шестерни Z1</source>
        <translation>Enter the number of pinion teeth Z1</translation>
    </message>
    <message>
        <source> Введите угол наклона зубьев</source>
        <translation> Enter the helix angle</translation>
    </message>
    <message>
        <source>Введите вращающий момент Т,н м</source>
        <translation>Enter the torque T, N·m</translation>
    </message>
    <message>
        <source>Выберете передаточное отношение U</source>
        <translation>Choose the gear ratio U</translation>
    </message>
    <message>
        <source>Ввод данных</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Введите делительный диаметр колеса, мм</source>
        <translation>Enter the pitch diameter of the wheel, mm</translation>
    </message>
    <message>
        <source>Введите число зубьев колеса</source>
        <translation>Enter the number of wheel teeth</translation>
    </message>
    <message>
        <source>Введите угол наклона зубьев, град</source>
        <translation>Enter the helix angle, deg</translation>
    </message>
    <message>
        <source>Введите ширину зубчатого венца, мм</source>
        <translation>Enter the face width, mm</translation>
    </message>
    <message>
        <source>Введите число зубьев Z</source>
        <translation>Enter the number of teeth Z</translation>
    </message>
    <message>
        <source>Введите диаметрвала dв,мм </source>
        <translation>Enter the shaft diameter ds, mm</translation>
    </message>
    <message>
        <source>Введите диаметр окружностей вершин da,мм</source>
        <translation>Enter the tip diameter da, mm</translation>
    </message>
    <message>
        <source>Введите ширину зубчатого венца bw,мм</source>
        <translation>Enter the face width bw, mm</translation>
    </message>
    <message>
        <source>Введите ширину ступицы Lст,мм</source>
        <translation>Enter the hub length Lh, mm</translation>
    </message>
    <message>
        <source>Модули</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>Расчётный модуль равен</source>
        <translation>The calculated module is</translation>
    </message>
    <message>
        <source>Вычесленное значение модуля следует согласовать с ГОСТом приняв ближайшее стандартное значение. При этом первый ряд предпочтительнее.</source>
        <translation>Bring the calculated module into line with the standard by taking the nearest standard value. The first series is preferred.</translation>
    </message>
    <message>
        <source>Значение модуля m, мм, ГОСТ 9563-80</source>
        <translation>Module m, mm, GOST 9563-80</translation>
    </message>
    <message>
        <source>Первый ряд</source>
        <translation>First series</translation>
    </message>
    <message>
        <source>Второй ряд</source>
        <translation>Second series</translation>
    </message>
    <message>
        <source>Окончательный выбор материала</source>
        <translation>Final choice of material</translation>
    </message>
    <message>
        <source>Марка
стали</source>
        <translation>Steel
grade</translation>
    </message>
    <message>
        <source>ГОСТ</source>
        <translation>GOST</translation>
    </message>
    <message>
        <source>ХТО</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <source>Толщина
или ширина
обода</source>
        <translation>Rim
thickness
or width</translation>
    </message>
    <message>
        <source>Твёрдость</source>
        <translation>Hardness</translation>
    </message>
    <message>
        <source>Пов-ти   сер-ны</source>
        <translation>surface   core</translation>
    </message>
    <message>
        <source>Времен
ное
сопротив
ление</source>
        <translation>Ultimate
strength</translation>
    </message>
    <message>
        <source>Предел
теку
чести</source>
        <translation>Yield
strength</translation>
    </message>
    <message>
        <source>Марка стали</source>
        <translation>Steel grade</translation>
    </message>
    <message>
        <source>Результаты расчётов</source>
        <translation>Calculation results</translation>
    </message>
    <message>
        <source>Показать рисунок</source>
        <translation>Show drawing</translation>
    </message>
    <message>
        <source>Расчётная нагрузка равна</source>
        <translation>The calculated load is</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Изменение параметров</source>
        <translation>Change of parameters</translation>
    </message>
    <message>
        <source>Ход расчёта</source>
        <translation>Calculation steps</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Данная програма предназначена для закрепления знаний полученных студентами на лекциях по дисциплине &quot;Детали машин&quot;.</source>
        <translation>This program helps students consolidate what they have learnt in the lectures of the course &quot;Machine Elements&quot;.</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Выберите один из стандартных модулей</source>
        <translation>Choose one of the standard modules</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вы уверены что хотите выйти?</source>
        <translation>Are you sure you want to exit?</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Чертёж колеса</source>
        <translation>Wheel drawing</translation>
    </message>
    <message>
        <source>%1 %2, %3: шестерни %4, колеса %5</source>
        <translation>%1; size requirements %2; %3: pinion %4, wheel %5</translation>
    </message>
    <message>
        <source>Расчёт зубчатого колеса</source>
        <translation>Gear Wheel Calculation</translation>
    </message>
    <message>
        <source>Самопроверка</source>
        <translation>Self-check</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Значения из CSV…</source>
        <translation>Values from CSV…</translation>
    </message>
    <message>
        <source>Допуск, %</source>
        <translation>Tolerance, %</translation>
    </message>
    <message>
        <source>Частота вращения шестерни n1, об/мин</source>
        <translation>Pinion speed n1, rpm</translation>
    </message>
</context>
<context>
    <name>selfcheck</name>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>верно по вашим данным</source>
        <translation>right by your own data</translation>
    </message>
    <message>
        <source>Строка %1: после «;» нужно число, например «σH1;803,3».</source>
        <translation>Line %1: a number must follow the “;”, for example “σH1;803.3”.</translation>
    </message>
    <message>
        <source>Строка %1: в ходе расчёта нет строки %2.</source>
        <translation>Line %1: the calculation steps have no line %2.</translation>
    </message>
    <message>
        <source>по вашим данным: %1 = %2</source>
        <translation>by your own data: %1 = %2</translation>
    </message>
    <message>
        <source>Верно: %1, верно по вашим данным: %2, неверно: %3, не число: %4, пусто: %5.</source>
        <translation>Right: %1, right by your own data: %2, wrong: %3, not a number: %4, empty: %5.</translation>
    </message>
    <message>
        <source>Допуск — число больше 0 и не больше %1 (в процентах).</source>
        <translation>The tolerance is a number more than 0 and at most %1 (per cent).</translation>
    </message>
    <message>
        <source>В строке %1 самопроверки больше %2 знаков: это не число.</source>
        <translation>Line %1 of the self-check holds more than %2 characters: that is no number.</translation>
    </message>
    <message>
        <source>В файле нет ни одной строки «символ;значение» для расчёта «%1».</source>
        <translation>The file has no “symbol;value” line for the “%1” calculation.</translation>
    </message>
</context>
<context>
    <name>sketch</name>
    <message>
        <source>Делительный диаметр d,мм</source>
        <translation>Pitch diameter d, mm</translation>
    </message>
    <message>
        <source>Диаметр впадин df,мм</source>
        <translation>Root diameter df, mm</translation>
    </message>
    <message>
        <source>Диаметр выступов da,мм</source>
        <translation>Tip diameter da, mm</translation>
    </message>
    <message>
        <source>Диаметр вала dв,мм</source>
        <translation>Shaft diameter ds, mm</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца bw,мм</source>
        <translation>Face width bw, mm</translation>
    </message>
    <message>
        <source>Диаметр ступицы dcт,мм</source>
        <translation>Hub diameter dh, mm</translation>
    </message>
    <message>
        <source>Длинна ступицы Lст,мм</source>
        <translation>Hub length Lh, mm</translation>
    </message>
    <message>
        <source>Делительный диаметр, d</source>
        <translation>Pitch diameter, d</translation>
    </message>
    <message>
        <source>Диаметр впадин, df</source>
        <translation>Root diameter, df</translation>
    </message>
    <message>
        <source>Диаметр выступов, da</source>
        <translation>Tip diameter, da</translation>
    </message>
    <message>
        <source>Диаметр вала, dв</source>
        <translation>Shaft diameter, ds</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца, bw</source>
        <translation>Face width, bw</translation>
    </message>
    <message>
        <source>Диаметр ступицы, dsт</source>
        <translation>Hub diameter, dh</translation>
    </message>
    <message>
        <source>Длинна ступицы,lsт</source>
        <translation>Hub length, Lh</translation>
    </message>
    <message>
        <source>Диаметр D0</source>
        <translation>Hole circle diameter, D0</translation>
    </message>
    <message>
        <source>Диаметр отверстий,do</source>
        <translation>Hole diameter, d0</translation>
    </message>
    <message>
        <source>Ширина спиц,C</source>
        <translation>Disc thickness, C</translation>
    </message>
    <message>
        <source>Толщина Delta0</source>
        <translation>Rim thickness, Delta0</translation>
    </message>
    <message>
        <source>Диаметр впадин,df</source>
        <translation>Root diameter, df</translation>
    </message>
    <message>
        <source>Диаметр выступов,da</source>
        <translation>Tip diameter, da</translation>
    </message>
    <message>
        <source>Диаметр вала,dв</source>
        <translation>Shaft diameter, ds</translation>
    </message>
    <message>
        <source>Ширина зубчатого венца,bw</source>
        <translation>Face width, bw</translation>
    </message>
    <message>
        <source>Диаметр ступицы, dct</source>
        <translation>Hub diameter, dh</translation>
    </message>
    <message>
        <source>Длинна ступицы,Lcт</source>
        <translation>Hub length, Lh</translation>
    </message>
    <message>
        <source>Радиус закругления, R</source>
        <translation>Fillet radius, R</translation>
    </message>
    <message>
        <source>Толщина, L</source>
        <translation>Spoke thickness, L</translation>
    </message>
    <message>
        <source>Эскиз зубчатого колеса при dа&lt;250мм</source>
        <translation>Sketch of the gear wheel, da &lt; 250 mm</translation>
    </message>
    <message>
        <source>Эскиз зубчатого колеса при 250&lt;da&lt;600</source>
        <translation>Sketch of the gear wheel, 250 &lt; da &lt; 600 mm</translation>
    </message>
    <message>
        <source>Эскиз зубчатого колеса при dа&gt;600 мм</source>
        <translation>Sketch of the gear wheel, da &gt; 600 mm</translation>
    </message>
</context>
<context>
    <name>sources</name>
    <message>
        <source>Чернавский С. А. и др. Курсовое проектирование деталей машин. — М.: Машиностроение, 1988.</source>
        <translation>Chernavsky S. A. et al. Course design of machine elements. Moscow: Mashinostroenie, 1988.</translation>
    </message>
    <message>
        <source>Шейнблит А. Е. Курсовое проектирование деталей машин. — Калининград: Янтарный сказ, 2002.</source>
        <translation>Sheinblit A. E. Course design of machine elements. Kaliningrad: Yantarny skaz, 2002.</translation>
    </message>
    <message>
        <source>Дунаев П. Ф., Леликов О. П. Конструирование узлов и деталей машин. — М.: Академия, 2004.</source>
        <translation>Dunaev P. F., Lelikov O. P. Design of machine units and parts. Moscow: Akademiya, 2004.</translation>
    </message>
    <message>
        <source>Иванов М. Н. Детали машин. — М.: Высшая школа, 2008.</source>
        <translation>Ivanov M. N. Machine elements. Moscow: Vysshaya shkola, 2008.</translation>
    </message>
    <message>
        <source>Передачи зубчатые цилиндрические эвольвентные внешнего зацепления. Расчёт на прочность.</source>
        <translation>Involute cylindrical gears of external mesh. Strength calculation.</translation>
    </message>
    <message>
        <source>Колёса зубчатые. Модули.</source>
        <translation>Gear wheels. Modules.</translation>
    </message>
    <message>
        <source>Передачи зубчатые цилиндрические эвольвентные. Исходный контур.</source>
        <translation>Involute cylindrical gears. Basic rack.</translation>
    </message>
    <message>
        <source>Передачи зубчатые цилиндрические. Допуски.</source>
        <translation>Cylindrical gears. Tolerances.</translation>
    </message>
    <message>
        <source>Соединения шпоночные с призматическими шпонками.</source>
        <translation>Parallel key joints.</translation>
    </message>
    <message>
        <source>ЕСКД.</source>
        <translation>Unified system for design documentation.</translation>
    </message>
    <message>
        <source>ГОСТ</source>
        <translation>GOST</translation>
    </message>
</context>
<context>
    <name>steel</name>
    <message>
        <source>Сталь 40</source>
        <translation>Steel 40</translation>
    </message>
    <message>
        <source>Сталь 45</source>
        <translation>Steel 45</translation>
    </message>
    <message>
        <source>Сталь 40Х</source>
        <translation>Steel 40Kh</translation>
    </message>
    <message>
        <source>Сталь 40ХН</source>
        <translation>Steel 40KhN</translation>
    </message>
    <message>
        <source>Сталь 40ХФА</source>
        <translation>Steel 40KhFA</translation>
    </message>
    <message>
        <source>Сталь 18ХГТ</source>
        <translation>Steel 18KhGT</translation>
    </message>
    <message>
        <source>Сталь 12ХН3А</source>
        <translation>Steel 12KhN3A</translation>
    </message>
    <message>
        <source>Сталь 50Л</source>
        <translation>Steel 50L</translation>
    </message>
    <message>
        <source>Сталь 40ГЛ</source>
        <translation>Steel 40GL</translation>
    </message>
    <message>
        <source>Сталь 35ХГСЛ</source>
        <translation>Steel 35KhGSL</translation>
    </message>
    <message>
        <source>Сталь 20Х</source>
        <translation>Steel 20Kh</translation>
    </message>
    <message>
        <source>Сталь 30Х2МЮА</source>
        <translation>Steel 30Kh2MYuA</translation>
    </message>
</context>
<context>
    <name>steel grade</name>
    <message>
        <source>Выбор материала</source>
        <translation>Choice of material</translation>
    </message>
    <message>
        <source>Выбор матеоиала</source>
        <translation>Choice of material</translation>
    </message>
</context>
<context>
    <name>steel table</name>
    <message>
        <source>закалка с высоким отпуском</source>
        <translation>quenching and high tempering</translation>
    </message>
    <message>
        <source>объёмная закалка</source>
        <translation>through hardening</translation>
    </message>
    <message>
        <source>закалка ТВЧ</source>
        <translation>induction hardening</translation>
    </message>
    <message>
        <source>цементация, закалка</source>
        <translation>carburising, quenching</translation>
    </message>
    <message>
        <source>цементация с закалкой и низким отпуском</source>
        <translation>carburising, quenching, low tempering</translation>
    </message>
    <message>
        <source>нормализация</source>
        <translation>normalising</translation>
    </message>
    <message>
        <source>азотирование</source>
        <translation>nitriding</translation>
    </message>
    <message>
        <source>любые</source>
        <translation>any</translation>
    </message>
    <message>
        <source>до   15</source>
        <translation>up to  15</translation>
    </message>
    <message>
        <source>до   20</source>
        <translation>up to  20</translation>
    </message>
    <message>
        <source>до   35</source>
        <translation>up to  35</translation>
    </message>
    <message>
        <source>до   40</source>
        <translation>up to  40</translation>
    </message>
    <message>
        <source>до   60</source>
        <translation>up to  60</translation>
    </message>
    <message>
        <source>до   75</source>
        <translation>up to  75</translation>
    </message>
    <message>
        <source>до  100</source>
        <translation>up to 100</translation>
    </message>
    <message>
        <source>до  300</source>
        <translation>up to 300</translation>
    </message>
    <message>
        <source>40Х</source>
        <translation>40Kh</translation>
    </message>
    <message>
        <source>40ХН</source>
        <translation>40KhN</translation>
    </message>
    <message>
        <source>40ХФА</source>
        <translation>40KhFA</translation>
    </message>
    <message>
        <source>18ХГТ</source>
        <translation>18KhGT</translation>
    </message>
    <message>
        <source>12ХН3А</source>
        <translation>12KhN3A</translation>
    </message>
    <message>
        <source>50Л</source>
        <translation>50L</translation>
    </message>
    <message>
        <source>40ГЛ</source>
        <translation>40GL</translation>
    </message>
    <message>
        <source>35ХГСЛ</source>
        <translation>35KhGSL</translation>
    </message>
    <message>
        <source>20Х</source>
        <translation>20Kh</translation>
    </message>
    <message>
        <source>30Х2МЮА</source>
        <translation>30Kh2MYuA</translation>
    </message>
    <message>
        <source>  ← подходит</source>
        <translation>  ← carries the pair</translation>
    </message>
</context>
<context>
    <name>symbol</name>
    <message>
        <source>d_ст</source>
        <translation>d_h</translation>
    </message>
    <message>
        <source>L_ст</source>
        <translation>L_h</translation>
    </message>
    <message>
        <source>D_к</source>
        <translation>D_r</translation>
    </message>
    <message>
        <source>d_в</source>
        <translation>d_s</translation>
    </message>
    <message>
        <source>δр</source>
        <translation>δrib</translation>
    </message>
    <message>
        <source>Lст</source>
        <translation>Lh</translation>
    </message>
    <message>
        <source>dст</source>
        <translation>dh</translation>
    </message>
    <message>
        <source>Dк</source>
        <translation>Dr</translation>
    </message>
    <message>
        <source>dв</source>
        <translation>ds</translation>
    </message>
    <message>
        <source>U_ф</source>
        <translation>U_a</translation>
    </message>
    <message>
        <source>ΔU</source>
        <translation>ΔU</translation>
    </message>
    <message>
        <source>a_w ГОСТ</source>
        <translation>a_w GOST</translation>
    </message>
    <message>
        <source>β ГОСТ</source>
        <translation>β GOST</translation>
    </message>
</context>
<context>
    <name>title block</name>
    <message>
        <source>Изм.</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Лист</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>№ докум.</source>
        <translation>Document No.</translation>
    </message>
    <message>
        <source>Подп.</source>
        <translation>Sign.</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Разраб.</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Пров.</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Т.контр.</source>
        <translation>Tech. ctrl</translation>
    </message>
    <message>
        <source>Н.контр.</source>
        <translation>Std. ctrl</translation>
    </message>
    <message>
        <source>Утв.</source>
        <translation>Approved</translation>
    </message>
    <message>
        <source>Лит.</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Масса</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>Масштаб</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Листов</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>У</source>
        <translation>T</translation>
    </message>
    <message>
        <source>гр. %1</source>
        <translation>gr. %1</translation>
    </message>
</context>
<context>
    <name>treatment</name>
    <message>
        <source>Нормализация</source>
        <translation>Normalising</translation>
    </message>
    <message>
        <source>Улучшение</source>
        <translation>Quenching and tempering</translation>
    </message>
    <message>
        <source>Объемная закалка</source>
        <translation>Through hardening</translation>
    </message>
    <message>
        <source>Поверхностная закалка ТВЧ</source>
        <translation>Induction surface hardening</translation>
    </message>
    <message>
        <source>Цементация</source>
        <translation>Carburising</translation>
    </message>
    <message>
        <source>Нитроцементация</source>
        <translation>Carbonitriding</translation>
    </message>
    <message>
        <source>Азотирование</source>
        <translation>Nitriding</translation>
    </message>
</context>
<context>
    <name>unit</name>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>Н</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>град</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Нм</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>об/мин</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
</context>
<context>
    <name>verdict</name>
    <message>
        <source>Контактная прочность</source>
        <translation>Contact strength</translation>
    </message>
    <message>
        <source>Изгиб зубьев шестерни</source>
        <translation>Bending of the pinion teeth</translation>
    </message>
    <message>
        <source>Изгиб зубьев колеса</source>
        <translation>Bending of the wheel teeth</translation>
    </message>
    <message>
        <source>перегрузка</source>
        <translation>overload</translation>
    </message>
    <message>
        <source>норма</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>запас</source>
        <translation>reserve</translation>
    </message>
    <message>
        <source>: возьмите больший модуль или более прочную сталь</source>
        <translation>: take a larger module or a stronger steel</translation>
    </message>
    <message>
        <source>: может хватить меньшего модуля или более узкого венца</source>
        <translation>: a smaller module or a narrower rim may do</translation>
    </message>
    <message>
        <source>%1: %2 = %3 МПа, [%2] = %4 МПа, Δ = %5 % — %6%7</source>
        <translation>%1: %2 = %3 MPa, [%2] = %4 MPa, Δ = %5 % — %6%7</translation>
    </message>
    <message>
        <source>Проверка условий прочности</source>
        <translation>Strength conditions</translation>
    </message>
    <message>
        <source>Z2 = %1, Uф = Z2/Z1 = %2: отклонение от U = %3 составляет %4 % при допустимых ±%5 %%6</source>
        <translation>Z2 = %1, Uact = Z2/Z1 = %2: %4 % from U = %3, ±%5 % allowed%6</translation>
    </message>
    <message>
        <source> — подберите другое Z1 или U</source>
        <translation> — choose another Z1 or U</translation>
    </message>
    <message>
        <source>aw = %1 мм; ближайшее по ГОСТ 2185-66 — %2 мм%3</source>
        <translation>aw = %1 mm; the nearest in GOST 2185-66 is %2 mm%3</translation>
    </message>
    <message>
        <source>: его даёт β = %1°</source>
        <translation>, given by β = %1°</translation>
    </message>
    <message>
        <source>v = π·d1·n1/60000 = %1 м/с: %2-я степень точности по ГОСТ 1643-81</source>
        <translation>v = π·d1·n1/60000 = %1 m/s: accuracy grade %2 of GOST 1643-81</translation>
    </message>
    <message>
        <source>Силы в зацеплении: окружная Ft = %1 Н, радиальная Fr = %2 Н, осевая Fa = %3 Н</source>
        <translation>Forces in the mesh: tangential Ft = %1 N, radial Fr = %2 N, axial Fa = %3 N</translation>
    </message>
    <message>
        <source>Z1 = %1 &lt; 17·cos³β = %2: подрезание ножки зуба шестерни; его устраняет смещение x ≥ %3</source>
        <translation>Z1 = %1 &lt; 17·cos³β = %2: the pinion teeth are undercut; a shift x ≥ %3 avoids it</translation>
    </message>
    <message>
        <source>εα = %1 (нужно не меньше 1.2)</source>
        <translation>εα = %1 (at least 1.2 needed)</translation>
    </message>
    <message>
        <source>%1, εβ = %2 (нужно не меньше 1.1)</source>
        <translation>%1, εβ = %2 (at least 1.1 needed)</translation>
    </message>
    <message>
        <source>Венец шестерни делают шире колеса: bw1 = bw2 + 5 = %1 мм</source>
        <translation>The pinion rim is made wider than the wheel&apos;s: bw1 = bw2 + 5 = %1 mm</translation>
    </message>
    <message>
        <source>Заготовка шестерни Dзаг = da1 + 6 = %1 мм, колеса Sзаг = bw2 + 4 = %2 мм; свойства стали даны для сечений до %3 мм%4</source>
        <translation>Blank of the pinion Dbl = da1 + 6 = %1 mm, of the wheel Sbl = bw2 + 4 = %2 mm; the steel&apos;s properties hold for sections up to %3 mm%4</translation>
    </message>
    <message>
        <source> — заготовка больше: выберите сталь для большего сечения</source>
        <translation> — the blank is larger: choose a steel for a larger section</translation>
    </message>
    <message>
        <source>Условие</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>σ, МПа</source>
        <translation>σ, MPa</translation>
    </message>
    <message>
        <source>[σ], МПа</source>
        <translation>[σ], MPa</translation>
    </message>
    <message>
        <source>Δ, %</source>
        <translation>Δ, %</translation>
    </message>
    <message>
        <source>Вывод</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Геометрия, скорость и силы в зацеплении</source>
        <translation>Geometry, speed and forces in the mesh</translation>
    </message>
    <message>
        <source>Модуль %1 мм меньше расчётного %2 мм: зубья будут перегружены по изгибу примерно на %3 %.</source>
        <translation>The module %1 mm is below the computed %2 mm: the teeth will be overloaded in bending by about %3 %.</translation>
    </message>
    <message>
        <source>Модуль %1 мм меньше расчётного %2 мм: контактные напряжения превысят допускаемые примерно на %3 %.</source>
        <translation>The module %1 mm is below the computed %2 mm: the contact stress will exceed the allowable one by about %3 %.</translation>
    </message>
    <message>
        <source>Модуль %1 мм больше расчётного %2 мм более чем на ступень ряда: передача получится больше, чем нужно.</source>
        <translation>The module %1 mm is more than one step of the series above the computed %2 mm: the pair will be larger than it needs to be.</translation>
    </message>
</context>
<context>
    <name>walkthrough</name>
    <message>
        <source>Твёрдость зубьев</source>
        <translation>Tooth hardness</translation>
    </message>
    <message>
        <source>Требования к изготовлению</source>
        <translation>Manufacturing requirements</translation>
    </message>
    <message>
        <source>Способ обработки</source>
        <translation>Heat treatment</translation>
    </message>
    <message>
        <source>Марка стали и пределы выносливости</source>
        <translation>Steel grade and endurance limits</translation>
    </message>
    <message>
        <source>Проектный расчёт передачи</source>
        <translation>Design calculation of the gear pair</translation>
    </message>
    <message>
        <source>Стандартный модуль и размеры колеса</source>
        <translation>Standard module and wheel dimensions</translation>
    </message>
    <message>
        <source>Стандартный модуль, геометрия и рабочие напряжения</source>
        <translation>Standard module, geometry and working stresses</translation>
    </message>
    <message>
        <source>Окончательный выбор материала</source>
        <translation>Final choice of material</translation>
    </message>
    <message>
        <source>Модуль колеса по диаметру вершин</source>
        <translation>Module of the wheel from its tip diameter</translation>
    </message>
    <message>
        <source>Проверочный расчёт допускаемой нагрузки</source>
        <translation>Check of the permissible load</translation>
    </message>
    <message>
        <source>Расчёт в этом режиме ещё не выполнялся.</source>
        <translation>No calculation has been run in this mode yet.</translation>
    </message>
    <message>
        <source>Расчёт не выполнен: %1</source>
        <translation>Not calculated: %1</translation>
    </message>
    <message>
        <source>%1, строка %2 таблицы сталей</source>
        <translation>%1, row %2 of the steel table</translation>
    </message>
    <message>
        <source>Сталь не выбрана: остаются рабочие напряжения</source>
        <translation>No steel chosen: the working stresses stay</translation>
    </message>
    <message>
        <source>Твёрдость в HB: зубья нормализованные или улучшенные</source>
        <translation>Hardness in HB: normalised or quenched and tempered teeth</translation>
    </message>
    <message>
        <source>Твёрдость в HRC: зубья с поверхностным упрочнением</source>
        <translation>Hardness in HRC: surface-hardened teeth</translation>
    </message>
    <message>
        <source>Жёсткие требования к габаритам: зубья с поверхностным упрочнением, твёрдость в HRC</source>
        <translation>Strict size requirements: surface-hardened teeth, hardness in HRC</translation>
    </message>
    <message>
        <source>Нежёсткие требования к габаритам: зубья нормализованные или улучшенные, твёрдость в HB</source>
        <translation>Size requirements not strict: normalised or quenched and tempered teeth, hardness in HB</translation>
    </message>
    <message>
        <source>σFP1/YF1 &lt; σFP2/YF2: шестерня слабее на изгиб, модуль по шестерне</source>
        <translation>σFP1/YF1 &lt; σFP2/YF2: the pinion is weaker in bending, the module from the pinion</translation>
    </message>
    <message>
        <source>σFP2/YF2 ≤ σFP1/YF1: колесо слабее на изгиб, модуль по колесу</source>
        <translation>σFP2/YF2 ≤ σFP1/YF1: the wheel is weaker in bending, the module from the wheel</translation>
    </message>
    <message>
        <source>β &gt; 0: косозубая передача</source>
        <translation>β &gt; 0: helical gears</translation>
    </message>
    <message>
        <source>β = 0: прямозубая передача</source>
        <translation>β = 0: spur gears</translation>
    </message>
    <message>
        <source>Твёрдость в HRC: модуль из расчёта зубьев на изгиб</source>
        <translation>Hardness in HRC: the module from the bending strength of the teeth</translation>
    </message>
    <message>
        <source>Твёрдость в HB: межосевое расстояние из расчёта на контактную прочность</source>
        <translation>Hardness in HB: the centre distance from the contact strength</translation>
    </message>
    <message>
        <source>Модуль взят из первого ряда ГОСТ 9563-80</source>
        <translation>Module taken from the first series of GOST 9563-80</translation>
    </message>
    <message>
        <source>Модуль взят из второго ряда ГОСТ 9563-80</source>
        <translation>Module taken from the second series of GOST 9563-80</translation>
    </message>
    <message>
        <source>da &lt; 250 мм: колесо цельное, с плоским диском</source>
        <translation>da &lt; 250 mm: a solid wheel with a plain disc</translation>
    </message>
    <message>
        <source>250 ≤ da ≤ 600 мм: кованое колесо с отверстиями в диске</source>
        <translation>250 ≤ da ≤ 600 mm: a forged wheel with holes in the disc</translation>
    </message>
    <message>
        <source>da &gt; 600 мм: литое колесо со спицами</source>
        <translation>da &gt; 600 mm: a cast wheel with spokes</translation>
    </message>
    <message>
        <source>Модуль между строками таблицы обода: линейная интерполяция</source>
        <translation>Module between rows of the rim table: linear interpolation</translation>
    </message>
    <message>
        <source>Коэффициент нагрузки 1.5, как в проектном расчёте на изгиб; KFα — из набора параметров</source>
        <translation>Load factor 1.5, as in the bending design; KFα from the coefficient set</translation>
    </message>
    <message>
        <source>Коэффициент нагрузки проектного расчёта kF = 1.5: постоянная методики, а не коэффициенты набора параметров</source>
        <translation>The design’s load factor kF = 1.5: a constant of the method, not the coefficient set</translation>
    </message>
    <message>
        <source>Коэффициент нагрузки проектного расчёта kH = 1.5: постоянная методики, а не коэффициенты набора параметров</source>
        <translation>The design’s load factor kH = 1.5: a constant of the method, not the coefficient set</translation>
    </message>
    <message>
        <source>m_F &gt; m_aw: модуль задаёт прочность зубьев на изгиб</source>
        <translation>m_F &gt; m_aw: the bending strength of the teeth sets the module</translation>
    </message>
    <message>
        <source>m_aw ≥ m_F: модуль задаёт межосевое расстояние из расчёта на контактную прочность</source>
        <translation>m_aw ≥ m_F: the centre distance of the contact design sets the module</translation>
    </message>
    <message>
        <source>Коэффициенты нагрузки проверочного расчёта KFβ, KFv, KFα, KHβ, KHv, KHα — из набора параметров</source>
        <translation>The load factors of the stress check KFβ, KFv, KFα, KHβ, KHv, KHα come from the coefficient set</translation>
    </message>
    <message>
        <source>С модулем %1 мм диаметр вершин da = m·z/cos β + 2·m = %2 мм, а введено %3 мм (разница %4 %). Колесо построено по da = %2 мм. %5.</source>
        <translation>With a module of %1 mm the tip diameter da = m·z/cos β + 2·m = %2 mm, while %3 mm was typed (a difference of %4 %). The wheel is built to da = %2 mm. %5.</translation>
    </message>
</context>
</TS>
