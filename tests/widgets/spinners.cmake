vz_add_test(spin_tests LABEL unit SOURCES ${VZ_DIR}/spin_test.cpp)
if(VZ_WITH_QT)
    vz_add_test(spin_widget_tests LABEL widget QT SOURCES ${VZ_DIR}/spin_widget_test.cpp)
endif()
