vz_add_test(outside_changes_tests LABEL unit SOURCES
    ${VZ_DIR}/outside_changes_test.cpp
)
