if(VZ_WITH_QT)
    find_program(VZ_PYTHON python3)
    add_test(NAME e2e_locales
             COMMAND ${VZ_PYTHON} ${VZ_DIR}/locales_e2e.py $<TARGET_FILE:vorurer>)
    set_tests_properties(e2e_locales PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL ON)
endif()
