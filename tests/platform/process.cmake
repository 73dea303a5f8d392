if(VZ_WITH_QT)
    vz_add_test(process_tests LABEL widget QT SOURCES
        ${VZ_DIR}/process_test.cpp
    )
endif()
