if(VZ_WITH_QT)
    vz_add_test(desktop_platform_tests LABEL widget QT SOURCES
        ${VZ_DIR}/desktop_identity_test.cpp
        ${VZ_DIR}/store_location_test.cpp
    )
endif()
