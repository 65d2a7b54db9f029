# SPDX-License-Identifier: GPL-3.0-or-later
# How the English catalogue is made from the sources: read by the build's
# update_translations target and by the test that the committed catalogue is
# what the sources give. The core marks its texts with GEAR_TR_NOOP and
# GEAR_TR (shell/message.h), which lupdate reads as QT_TRANSLATE_NOOP; no
# line numbers are kept, so the catalogue changes only when a text does.
set(GEAR_TRANSLATION_CATALOGUE translations/gearwheel_en.ts)
set(GEAR_TRANSLATED_FOLDERS src/shell src/material src/strength src/geometry src/screens src/file src/session src/ui src/web)
set(GEAR_LUPDATE_OPTIONS
    -silent -locations none -no-obsolete -source-language ru -target-language en -I src
    -tr-function-alias QT_TRANSLATE_NOOP+=GEAR_TR_NOOP,QT_TRANSLATE_NOOP+=GEAR_TR,QT_TRANSLATE_NOOP+=GEAR_TEXT)
