vz_add_test(readout_tests LABEL unit SOURCES
    ${VZ_DIR}/readout_test.cpp
)
