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
    target_link_libraries(vorurer PRIVATE vzui vz_warnings)
endif()
