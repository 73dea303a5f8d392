vz_add_test(effects_core_tests LABEL unit SOURCES
    ${VZ_DIR}/effects_core_test.cpp
)
