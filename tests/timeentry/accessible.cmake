vz_add_test(text_change_tests LABEL unit SOURCES ${VZ_DIR}/text_change_test.cpp)
