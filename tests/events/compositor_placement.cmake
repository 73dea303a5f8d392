vz_add_test(compositor_placement_tests LABEL unit SOURCES
    ${VZ_DIR}/compositor_placement_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(compositor_placement_widget_tests LABEL widget QT SOURCES
        ${VZ_DIR}/compositor_placement_qt_test.cpp
    )
endif()
