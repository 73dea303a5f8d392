vz_add_test(dateentry_month_length_tests LABEL unit SOURCES
    ${VZ_DIR}/month_lengths_test.cpp
)
