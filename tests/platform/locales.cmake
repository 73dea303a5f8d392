if(VZ_WITH_QT)
    vz_add_test(locale_walk_tests LABEL widget QT SOURCES
        ${VZ_DIR}/locale_walk_test.cpp
    )
endif()
