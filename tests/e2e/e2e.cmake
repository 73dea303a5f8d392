# The real program under a display server, driven as a person would (see desktop.py): one CTest
# test per script, e2e_<name> for <name>_e2e.py. They share the display machinery and the
# machine's two cores, so they run one at a time.
if(VZ_WITH_QT)
    find_program(VZ_PYTHON python3)
    foreach(name accessibility command_line dialogs keyboard list_editing locales main_window process
                 read_only_folder wayland)
        add_test(NAME e2e_${name}
                 COMMAND ${VZ_PYTHON} ${VZ_DIR}/${name}_e2e.py $<TARGET_FILE:vorurer>)
        set_tests_properties(e2e_${name} PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL ON)
    endforeach()
endif()
