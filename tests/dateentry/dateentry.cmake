vz_add_test(dateentry_core_tests LABEL unit SOURCES
    ${VZ_DIR}/calendar_math_test.cpp
    ${VZ_DIR}/date_field_engine_test.cpp
)
