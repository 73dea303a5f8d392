if(VZ_WITH_QT)
    vz_add_test(about_tests LABEL widget QT SOURCES
        ${VZ_DIR}/about_test.cpp
    )
endif()
