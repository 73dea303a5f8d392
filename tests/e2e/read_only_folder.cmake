if(VZ_WITH_QT)
    find_program(VZ_PYTHON python3)
    add_test(NAME e2e_read_only_folder
             COMMAND ${VZ_PYTHON} ${VZ_DIR}/read_only_folder_e2e.py $<TARGET_FILE:vorurer>)
    set_tests_properties(e2e_read_only_folder PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL ON)
endif()
