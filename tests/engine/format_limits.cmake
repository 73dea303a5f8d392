vz_add_test(engine_format_limit_tests LABEL unit SOURCES
    ${VZ_DIR}/format_limits_test.cpp
)
