# The installed tree and the Debian package, checked the way a desktop and apt check them. Both
# read the build folder, so they run after a full build (make test builds everything first).
if(VZ_WITH_QT)
    find_program(VZ_PYTHON python3)
    add_test(NAME e2e_install
             COMMAND ${VZ_PYTHON} ${VZ_DIR}/install_e2e.py ${CMAKE_BINARY_DIR})
    set_tests_properties(e2e_install PROPERTIES LABELS e2e TIMEOUT 120 RUN_SERIAL ON)
    add_test(NAME e2e_package
             COMMAND ${VZ_PYTHON} ${VZ_DIR}/package_e2e.py ${CMAKE_BINARY_DIR})
    set_tests_properties(e2e_package PROPERTIES LABELS e2e TIMEOUT 120)
endif()
