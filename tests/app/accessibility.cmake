if(VZ_WITH_QT)
    vz_add_test(accessibility_tests LABEL widget QT SOURCES ${VZ_DIR}/accessibility_test.cpp)
endif()
