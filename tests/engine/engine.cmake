vz_add_test(engine_tests LABEL unit SOURCES
    ${VZ_DIR}/datediff_test.cpp
    ${VZ_DIR}/datetext_test.cpp
    ${VZ_DIR}/report_test.cpp
    ${VZ_DIR}/wording_test.cpp
)
