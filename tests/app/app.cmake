if(VZ_WITH_QT)
    vz_add_test(main_window_tests LABEL widget QT SOURCES
        ${VZ_DIR}/list_editing_test.cpp
        ${VZ_DIR}/main_window_test.cpp
    )
endif()
