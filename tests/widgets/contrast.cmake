vz_add_test(contrast_tests LABEL unit SOURCES
    ${VZ_DIR}/contrast_test.cpp
)
