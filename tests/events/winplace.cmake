vz_add_test(placement_fit_tests LABEL unit SOURCES
    ${VZ_DIR}/placement_fit_test.cpp
)
