vz_add_test(timeentry_tests LABEL unit SOURCES
    ${VZ_DIR}/commands_test.cpp
    ${VZ_DIR}/picture_editor_test.cpp
    ${VZ_DIR}/simple_editor_test.cpp
    ${VZ_DIR}/time_mask_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(timeentry_widget_tests LABEL widget QT SOURCES ${VZ_DIR}/entry_field_test.cpp)
endif()
