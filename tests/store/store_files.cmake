# The file-level side of the store: atomic replacement, what interrupted saves leave, and taking
# over the stores of a folder the program may not write. Its own executable, because it replaces
# the C library's rename() and fsync() to inject faults.
vz_add_test(store_file_tests LABEL unit SOURCES
    ${VZ_DIR}/atomic_file_test.cpp
    ${VZ_DIR}/file_faults.cpp
    ${VZ_DIR}/store_adoption_test.cpp
    ${VZ_DIR}/text_encoding_test.cpp
)
