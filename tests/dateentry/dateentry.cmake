vz_add_test(dateentry_core_tests LABEL unit SOURCES
    ${VZ_DIR}/calendar_math_test.cpp
    ${VZ_DIR}/date_field_engine_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(dateentry_widget_tests LABEL widget QT SOURCES
        ${VZ_DIR}/date_picker_widget_test.cpp
        ${VZ_DIR}/popup_calendar_test.cpp
    )
endif()
