if(VZ_WITH_QT)
    vz_add_test(theme_contrast_tests LABEL widget QT SOURCES
        ${VZ_DIR}/theme_contrast_test.cpp
    )
endif()
