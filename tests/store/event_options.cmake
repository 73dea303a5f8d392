vz_add_test(event_options_tests LABEL unit SOURCES
    ${VZ_DIR}/event_options_test.cpp
)
