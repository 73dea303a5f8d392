vz_add_test(timeentry_tests LABEL unit SOURCES
    ${VZ_DIR}/commands_test.cpp
)
