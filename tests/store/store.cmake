vz_add_test(store_tests LABEL unit SOURCES
    ${VZ_DIR}/event_grid_test.cpp
    ${VZ_DIR}/event_store_test.cpp
    ${VZ_DIR}/linked_store_test.cpp
    ${VZ_DIR}/placement_text_test.cpp
    ${VZ_DIR}/profile_file_test.cpp
    ${VZ_DIR}/sortgrid_test.cpp
)

# Permission bits do not stop the superuser, so as root the read-only cases would only be
# skipped; run them once more as an unprivileged user where that is possible.
find_program(VZ_SETPRIV setpriv)
if(VZ_SETPRIV)
    add_test(NAME store_tests_read_only
             COMMAND sh -c "if [ \"$(id -u)\" = 0 ]; then exec ${VZ_SETPRIV} --reuid=65534 --regid=65534 --clear-groups \"$0\" --gtest_filter=*Failed*; else exec \"$0\" --gtest_filter=*Failed*; fi"
                     $<TARGET_FILE:store_tests>)
    set_tests_properties(store_tests_read_only PROPERTIES LABELS unit ENVIRONMENT "TZ=UTC;TMPDIR=/tmp")
endif()
