if(VZ_WITH_QT)
    vz_add_test(platform_tests LABEL widget QT SOURCES
        ${VZ_DIR}/regional_qt_test.cpp
    )
endif()
