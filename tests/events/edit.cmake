if(VZ_WITH_QT)
    vz_add_test(edit_dialog_tests LABEL widget QT SOURCES
        ${VZ_DIR}/edit_dialog_test.cpp
    )
endif()
