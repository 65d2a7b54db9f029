# SPDX-License-Identifier: GPL-3.0-or-later
# Installing and packaging: a Debian package on Linux, an NSIS installer with
# Qt deployed beside the program on Windows, a disk image with the bundle on
# macOS. Included at the end of the top-level CMakeLists.txt.

include(GNUInstallDirs)

install(TARGETS gearwheel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
install(TARGETS gearcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_PACKAGE_NAME gearwheel)
# Plain ASCII: NSIS writes the vendor into the Windows registry.
set(CPACK_PACKAGE_VENDOR "Department of Machine Elements")
set(CPACK_PACKAGE_CONTACT "Кафедра деталей машин <gearwheel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program for the calculation of cylindrical gears")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)

if(UNIX AND NOT APPLE)
    # Everything a desktop and a distribution expect beside the program.
    install(FILES resources/${GEAR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES resources/${GEAR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The calculation files' type; shared-mime-info's trigger registers it.
    install(FILES resources/${GEAR_APP_ID}.mime.xml RENAME ${GEAR_APP_ID}.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

    # The PNG sizes of the icon are rendered from its drawing at build time,
    # so they cannot drift from it.
    find_package(Qt6 REQUIRED COMPONENTS Svg)
    add_executable(render_icon tools/render_icon.cpp)
    target_link_libraries(render_icon PRIVATE Qt6::Svg Qt6::Gui)
    set(icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/gearwheel.svg)
    set(icon_folder ${CMAKE_CURRENT_BINARY_DIR}/icons)
    set(icon_sizes 16 32 48 64 128 256)
    set(icon_files "")
    foreach(size IN LISTS icon_sizes)
        list(APPEND icon_files ${icon_folder}/${size}x${size}/apps/gearwheel.png)
    endforeach()
    add_custom_command(OUTPUT ${icon_files}
                       COMMAND render_icon ${icon_svg} ${icon_folder} ${icon_sizes}
                       DEPENDS render_icon ${icon_svg}
                       COMMENT "Rendering the icon at ${icon_sizes} pixels" VERBATIM)
    add_custom_target(icons ALL DEPENDS ${icon_files})
    install(DIRECTORY ${icon_folder}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # Manual pages, one docs/man/NAME.SECTION.in each, gzipped without name or
    # time stamp so that two builds give the same bytes.
    find_program(GEAR_GZIP gzip REQUIRED)
    set(man_pages gearwheel.1 gearcalc.1)
    foreach(page IN LISTS man_pages)
        configure_file(docs/man/${page}.in man/${page} @ONLY)
        execute_process(COMMAND ${GEAR_GZIP} -9n -c ${CMAKE_CURRENT_BINARY_DIR}/man/${page}
                        OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX MATCH "[^.]+$" section ${page})
        install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
    endforeach()

    # Debian's copyright file and changelog. The changelog's newest entry and
    # the AppStream releases are written by hand with their dates and notes;
    # a configure that finds them behind project()'s version stops here
    # rather than let a package go out with the wrong history.
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(deb_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
    set(changelog ${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian/changelog)
    set(metainfo ${CMAKE_CURRENT_SOURCE_DIR}/resources/${GEAR_APP_ID}.metainfo.xml)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog} ${metainfo})
    file(STRINGS ${changelog} newest LIMIT_COUNT 1)
    if(NOT newest MATCHES "^gearwheel \\(([^)]*)\\)" OR NOT CMAKE_MATCH_1 STREQUAL deb_version)
        message(FATAL_ERROR "packaging/debian/changelog begins with '${newest}': "
                            "add an entry for ${deb_version} on top")
    endif()
    file(READ ${metainfo} metainfo_text)
    string(FIND "${metainfo_text}" "<release version=\"${PROJECT_VERSION}\"" release)
    if(release EQUAL -1)
        message(FATAL_ERROR "resources/${GEAR_APP_ID}.metainfo.xml has no release ${PROJECT_VERSION}: add one")
    endif()
    execute_process(COMMAND ${GEAR_GZIP} -9n -c ${changelog}
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz COMMAND_ERROR_IS_FATAL ANY)
    install(FILES packaging/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
    install(FILES packaging/debian/lintian-overrides RENAME gearwheel
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The platform plugin is loaded at run time, so dpkg-shlibdeps cannot see it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # Qt's dialogs in Russian, and the font that "Times New Roman" resolves to.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
    # CPack puts CPACK_PACKAGE_DESCRIPTION_SUMMARY before it as the synopsis.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
A desktop program for the university course of machine elements. A
student walks through small screens, in Russian, that follow the
textbook procedure for a cylindrical gear pair: tooth hardness and heat
treatment, steel grade, design module from bending or contact strength,
standard module, geometry and working stresses, final steel, results
table and drawing. A wheel mode sizes and sketches the body of a single
wheel; a check mode finds the load an existing wheel can carry.

Учебная программа по курсу «Детали машин». Студент проходит цепочку
небольших экранов, которые следуют методике учебника для
цилиндрической зубчатой передачи: твёрдость зубьев и термообработка,
марка стали, расчётный модуль по изгибной или контактной прочности,
стандартный модуль, геометрия и рабочие напряжения, окончательный
выбор материала, таблица результатов и чертёж колеса. Режим «Колесо»
строит эскиз одного колеса, режим «Проверка» находит допустимую
нагрузку готового колеса.]])
    set(CPACK_STRIP_FILES ON)
    # Stripped as Debian's dh_strip does it: the compiler's .comment and .note
    # sections go too, as nothing reads them at run time.
    foreach(program IN ITEMS gearwheel gearcalc)
        install(CODE "
            if(CMAKE_INSTALL_DO_STRIP)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${program}>\"
                                COMMAND_ERROR_IS_FATAL ANY)
            endif()")
    endforeach()
    # Independent of the umask of whoever builds the package.
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

if(WIN32 OR APPLE)
    # windeployqt or macdeployqt copies the Qt libraries and plugins the
    # program needs next to it when it is installed, and so into the package.
    if(Qt6_VERSION VERSION_LESS 6.5)
        qt_generate_deploy_app_script(TARGET gearwheel FILENAME_VARIABLE deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
    else()
        qt_generate_deploy_app_script(TARGET gearwheel OUTPUT_SCRIPT deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
    endif()
    install(SCRIPT ${deploy_script})
endif()

if(WIN32)
    # The MSVC runtime goes into the installer too.
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION ${CMAKE_INSTALL_BINDIR})
    include(InstallRequiredSystemLibraries)
    set(CPACK_GENERATOR NSIS)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY gearwheel)
    set(CPACK_NSIS_DISPLAY_NAME "Gear Wheel Calculation ${PROJECT_VERSION}")
    set(CPACK_NSIS_PACKAGE_NAME "Gear Wheel Calculation")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_INSTALLED_ICON_NAME bin\\\\gearwheel.exe)
    set(CPACK_PACKAGE_EXECUTABLES gearwheel "Gear Wheel Calculation")
elseif(APPLE)
    set_target_properties(gearwheel PROPERTIES
        MACOSX_BUNDLE_BUNDLE_NAME gearwheel
        MACOSX_BUNDLE_GUI_IDENTIFIER ${GEAR_APP_ID}
        MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
        MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION})
    set(CPACK_GENERATOR DragNDrop)
    set(CPACK_DMG_VOLUME_NAME "gearwheel ${PROJECT_VERSION}")
endif()

include(CPack)
