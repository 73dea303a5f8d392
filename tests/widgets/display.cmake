vz_add_test(display_core_tests LABEL unit SOURCES
    ${VZ_DIR}/splitter_layout_test.cpp
    ${VZ_DIR}/stone_texture_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(display_widget_tests LABEL widget QT SOURCES
        ${VZ_DIR}/display_widgets_test.cpp
    )
endif()
