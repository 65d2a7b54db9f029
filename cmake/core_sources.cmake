# SPDX-License-Identifier: GPL-3.0-or-later
# The core's sources: the program's, the web edition's and the tests'.
set(GEAR_CORE_SOURCES
    src/shell/shell.h
    src/shell/angle.h
    src/shell/input_range.h src/shell/input_range.cpp
    src/shell/number.h
    src/shell/mode.h
    src/shell/message.h src/shell/message.cpp
    src/shell/outcome.h
    src/shell/calc_state.h src/shell/calc_state.cpp
    src/shell/draft.h src/shell/draft.cpp
    src/shell/formula.h src/shell/formula.cpp
    src/shell/number_text.h src/shell/number_text.cpp
    src/shell/reference_tables.h src/shell/reference_tables.cpp
    src/material/steel_table.h src/material/steel_table.cpp
    src/geometry/standard_series.h src/geometry/standard_series.cpp
    src/geometry/mesh_checks.h src/geometry/mesh_checks.cpp
    src/strength/strength_tables.h src/strength/strength_tables.cpp
    src/shell/screen_id.h src/shell/screen_id.cpp
    src/shell/mode_commands.h src/shell/mode_commands.cpp
    src/shell/parameters.h src/shell/parameters.cpp
    src/shell/units.h
    src/shell/walkthrough.h src/shell/walkthrough.cpp
    src/shell/self_check.h src/shell/self_check.cpp
    src/material/material.h
    src/material/hardness_recommendation.h src/material/hardness_recommendation.cpp
    src/material/manufacturing_requirements.h src/material/manufacturing_requirements.cpp
    src/material/treatment_method.h src/material/treatment_method.cpp
    src/material/steel_grade.h src/material/steel_grade.cpp
    src/material/final_material.h src/material/final_material.cpp
    src/strength/strength.h
    src/strength/transmission_design.h src/strength/transmission_design.cpp
    src/strength/check_calculation.h src/strength/check_calculation.cpp
    src/strength/strength_verdict.h src/strength/strength_verdict.cpp
    src/geometry/geometry.h
    src/geometry/wheel_input.h src/geometry/wheel_input.cpp
    src/geometry/preferred_size.h src/geometry/preferred_size.cpp
    src/geometry/wheel_body.h src/geometry/wheel_body.cpp
    src/geometry/module_choice.h src/geometry/module_choice.cpp
    src/geometry/pair_checks.h src/geometry/pair_checks.cpp
    src/geometry/results.h src/geometry/results.cpp
    src/geometry/drawing.h src/geometry/drawing.cpp
    src/geometry/gear_outline.h src/geometry/gear_outline.cpp
    src/geometry/annotation_layout.h src/geometry/annotation_layout.cpp
    src/geometry/section_view.h src/geometry/section_view.cpp
    src/geometry/drawing_sheet.h src/geometry/drawing_sheet.cpp
    src/geometry/drawing_rules.h src/geometry/drawing_rules.cpp
    src/geometry/keyway.h src/geometry/keyway.cpp
    src/geometry/wheel_drawing.h src/geometry/wheel_drawing.cpp
    src/geometry/svg_writer.h src/geometry/svg_writer.cpp
    src/geometry/dxf_writer.h src/geometry/dxf_writer.cpp
    src/screens/screen_catalogue.h src/screens/screen_catalogue.cpp
    src/screens/walkthrough_text.h src/screens/walkthrough_text.cpp
    src/file/excerpt.h src/file/excerpt.cpp
    src/file/calculation_file.h src/file/calculation_file.cpp
    src/file/calculation_check.h src/file/calculation_check.cpp
    src/file/csv.h src/file/csv.cpp
    src/file/variant_steps.h src/file/variant_steps.cpp
    src/file/variant_answers.h src/file/variant_answers.cpp
    src/file/variant_list.h src/file/variant_list.cpp
    src/file/text_report.h src/file/text_report.cpp
    src/file/input_table.h src/file/input_table.cpp
    src/file/grading.h src/file/grading.cpp
    src/file/moodle_quiz.h src/file/moodle_quiz.cpp
    src/file/conclusions.h src/file/conclusions.cpp
    src/session/session.h src/session/session.cpp
)
list(TRANSFORM GEAR_CORE_SOURCES PREPEND "${CMAKE_CURRENT_LIST_DIR}/../")
