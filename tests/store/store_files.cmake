# The file-level side of the store: atomic replacement, what interrupted saves leave, and taking
# over the stores of a folder the program may not write. Its own executable, because it replaces
# the C library's rename() and fsync() to inject faults.
vz_add_test(store_file_tests LABEL unit SOURCES
    ${VZ_DIR}/atomic_file_test.cpp
    ${VZ_DIR}/file_faults.cpp
    ${VZ_DIR}/older_store_test.cpp
    ${VZ_DIR}/store_adoption_test.cpp
    ${VZ_DIR}/text_encoding_test.cpp
)

# Permission bits do not stop the superuser: the cases that need an unreadable or unwritable file
# run once more as an unprivileged user.
find_program(VZ_SETPRIV setpriv)
if(VZ_SETPRIV)
    add_test(NAME store_file_tests_unprivileged
             COMMAND sh -c "if [ \"$(id -u)\" = 0 ]; then exec ${VZ_SETPRIV} --reuid=65534 --regid=65534 --clear-groups \"$0\"; else exec \"$0\"; fi"
                     $<TARGET_FILE:store_file_tests>)
    set_tests_properties(store_file_tests_unprivileged PROPERTIES LABELS unit
                         ENVIRONMENT "TZ=UTC;TMPDIR=/tmp")
endif()
