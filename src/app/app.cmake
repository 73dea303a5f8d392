if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/command_line.cpp
        ${VZ_DIR}/grid_model.cpp
        ${VZ_DIR}/main_window.cpp
        ${VZ_DIR}/main_window_layout.cpp
        ${VZ_DIR}/main_window_store.cpp
    )
    set_source_files_properties(${VZ_DIR}/command_line.cpp PROPERTIES
                                COMPILE_DEFINITIONS "VZ_VERSION=\"${PROJECT_VERSION}\"")
    add_executable(vorurer ${VZ_DIR}/vorurer.cpp)
endif()
if(VZ_WITH_QT AND NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    target_sources(vorurer PRIVATE ${VZ_DIR}/window_main.cpp)
    target_link_libraries(vorurer PRIVATE vzui vz_warnings)
elseif(VZ_WITH_QT)
    # On Linux the window is a module of its own: the program loads it only to open the window,
    # so the command line starts with Qt's core library alone (see vorurer.cpp). The module takes
    # in the static libraries, so they are built position-independent.
    set_target_properties(vzcore vzui PROPERTIES POSITION_INDEPENDENT_CODE ON)
    add_library(vorurer_window MODULE ${VZ_DIR}/window_main.cpp)
    target_link_libraries(vorurer_window PRIVATE vzui vz_warnings)
    # Nothing of the static libraries is shown to the program: only the module's entry.
    target_link_options(vorurer_window PRIVATE LINKER:--exclude-libs,ALL)
    set_target_properties(vorurer_window PROPERTIES PREFIX ""
                          LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
                          CXX_VISIBILITY_PRESET hidden)
    # Only what the command line uses is linked in, and only the libraries it needs are loaded.
    target_link_libraries(vorurer PRIVATE vzui ${CMAKE_DL_LIBS} vz_warnings)
    target_link_options(vorurer PRIVATE LINKER:--as-needed)
    add_dependencies(vorurer vorurer_window)
    # Where the program looks for the module: beside itself; in the installed tree's private
    # library folder, relative to the program's (the multiarch folder where there is one, as
    # Debian wants for private modules; a package then calls no ldconfig for it); and in the
    # build folder, for the copies of the built program that the tests run.
    include(GNUInstallDirs)
    if(CMAKE_LIBRARY_ARCHITECTURE)
        set(VZ_WINDOW_MODULE_DIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/vorurer)
    else()
        set(VZ_WINDOW_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/vorurer)
    endif()
    file(RELATIVE_PATH VZ_WINDOW_MODULE_RELATIVE /${CMAKE_INSTALL_BINDIR} /${VZ_WINDOW_MODULE_DIR})
    target_compile_definitions(vorurer PRIVATE
        VZ_WINDOW_MODULE_RELATIVE="${VZ_WINDOW_MODULE_RELATIVE}"
        VZ_WINDOW_MODULE_BUILT="${CMAKE_BINARY_DIR}/bin")
endif()
