if(VZ_WITH_QT)
    find_program(VZ_PYTHON python3)
    add_test(NAME e2e_accessibility
             COMMAND ${VZ_PYTHON} ${VZ_DIR}/accessibility_e2e.py $<TARGET_FILE:vorurer>)
    set_tests_properties(e2e_accessibility PROPERTIES LABELS e2e TIMEOUT 120 RUN_SERIAL ON)
endif()
