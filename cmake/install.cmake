# Installing the program like any desktop program: the executable, its menu entry, its icon at
# the usual sizes, its AppStream metadata and its manual page; and a Debian package of all that.
# The PNG icons and the compressed manual page are made from the sources in data/ at build time;
# the PNGs also go into the program's resources.
# Only a build with the windows has a program to install.
if(VZ_WITH_QT)
    include(GNUInstallDirs)

    set(VZ_APP_ID example.velmora.vorurer)
    set(VZ_DATA ${CMAKE_SOURCE_DIR}/data)
    set(VZ_GENERATED ${CMAKE_BINARY_DIR}/data)
    set(VZ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vizevavoz)

    # Each size comes from the drawing made for it: pixel-fitted at 16, broad strokes up to 32,
    # the full drawing above.
    set(VZ_ICON_SIZES 16 22 24 32 48 64 128 256)
    # librsvg draws the gradients, filters and strokes as designed; ImageMagick's own SVG reader
    # does not.
    find_program(VZ_RSVG rsvg-convert)
    if(NOT VZ_RSVG)
        message(FATAL_ERROR "rsvg-convert (Debian's librsvg2-bin) is needed to make the icons")
    endif()
    set(VZ_ICON_FILES)
    foreach(size ${VZ_ICON_SIZES})
        if(size LESS 22)
            set(source ${VZ_DATA}/icons/vorurer-16.svg)
        elseif(size LESS 48)
            set(source ${VZ_DATA}/icons/vorurer-small.svg)
        else()
            set(source ${VZ_DATA}/icons/vorurer.svg)
        endif()
        set(png ${VZ_GENERATED}/icons/${size}/${VZ_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
                           COMMAND ${CMAKE_COMMAND} -E make_directory
                                   ${VZ_GENERATED}/icons/${size}
                           COMMAND ${VZ_RSVG} -w ${size} -h ${size} -o ${png} ${source}
                           DEPENDS ${source}
                           COMMENT "Icon at ${size} pixels" VERBATIM)
        list(APPEND VZ_ICON_FILES ${png})
        install(FILES ${png}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()

    # The same PNGs go into the windows, for their icon: linked into the window's module and the
    # widget tests, not into the program that only starts the window (src/app/CMakeLists.txt),
    # whose command line shows none and would map a second copy into the window's memory.
    add_library(vz_icons OBJECT)
    qt_add_resources(vz_icons vz_icons PREFIX /vorurer/icons BASE ${VZ_GENERATED}/icons
                     FILES ${VZ_ICON_FILES})

    # Compressed without a name or time stamp inside, so the same sources give the same package.
    function(vz_gzip source name)
        add_custom_command(OUTPUT ${VZ_GENERATED}/${name}.gz
                           COMMAND ${CMAKE_COMMAND} -E copy ${source} ${VZ_GENERATED}/${name}
                           COMMAND gzip -9 -n -f ${VZ_GENERATED}/${name}
                           DEPENDS ${source} VERBATIM)
    endfunction()
    vz_gzip(${VZ_DATA}/vorurer.1 vorurer.1)
    vz_gzip(${VZ_DATA}/debian/changelog changelog)
    add_custom_target(vz_install_data ALL
                      DEPENDS ${VZ_ICON_FILES} ${VZ_GENERATED}/vorurer.1.gz
                              ${VZ_GENERATED}/changelog.gz)

    install(TARGETS vorurer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # The window's module, private to the program, which finds it relative to itself.
    if(TARGET vorurer_window)
        install(TARGETS vorurer_window LIBRARY DESTINATION ${VZ_WINDOW_MODULE_DIR})
    endif()
    install(FILES ${VZ_DATA}/${VZ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VZ_DATA}/icons/vorurer.svg DESTINATION
                  ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VZ_APP_ID}.svg)
    install(FILES ${VZ_DATA}/${VZ_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${VZ_GENERATED}/vorurer.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${VZ_DATA}/debian/copyright ${VZ_GENERATED}/changelog.gz
            DESTINATION ${VZ_DOC_DIR})

    # The Debian package: its run-time dependencies are read off the executable by dpkg-shlibdeps,
    # which names the Qt libraries' packages (libqt6widgets6 and the rest) with their versions.
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME vizevavoz)
    set(CPACK_PACKAGE_VENDOR "Dozazar Irudizidudo")
    set(CPACK_PACKAGE_CONTACT "Dozazar Irudizidudo <support@velmora.example>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count down to coming events and up from past ones")
    # Debian wants the long description in lines of at most 80 columns.
    set(CPACK_PACKAGE_DESCRIPTION
        "Vizevavoz 98 keeps a list of up to 25 dated events and shows, refreshed once
a second, how far the selected event lies from now: in years, months, days,
hours, minutes and seconds, and as running totals of week-ends, days, hours,
minutes and seconds. Events to come count down; events gone by count up.")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velmora.example/")
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Metric-compatible stand-ins for the fonts the windows were designed with.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    include(CPack)
endif()
