vz_add_test(time_bar_tests LABEL unit SOURCES
    ${VZ_DIR}/time_bar_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(time_popup_tests LABEL widget QT SOURCES
        ${VZ_DIR}/time_popup_test.cpp
    )
endif()
