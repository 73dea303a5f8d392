if(VZ_WITH_QT)
    vz_add_test(splitter_widget_tests LABEL widget QT SOURCES
        ${VZ_DIR}/splitter_widget_test.cpp
    )
endif()
