if(VZ_WITH_QT)
    vz_add_test(event_menu_tests LABEL widget QT SOURCES
        ${VZ_DIR}/event_menu_test.cpp
    )
endif()
