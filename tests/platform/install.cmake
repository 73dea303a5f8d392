if(VZ_WITH_QT)
    vz_add_test(store_location_tests LABEL widget QT SOURCES
        ${VZ_DIR}/store_location_test.cpp
    )
endif()
