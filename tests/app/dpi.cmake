if(VZ_WITH_QT)
    # Its own program: the screen's dots per inch are fixed when the application starts.
    vz_add_test(main_window_dpi_tests LABEL widget QT SOURCES
        ${VZ_DIR}/main_window_dpi_test.cpp
    )
endif()
