vz_add_test(placement_fit_tests LABEL unit SOURCES
    ${VZ_DIR}/placement_fit_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(winplace_tests LABEL widget QT SOURCES
        ${VZ_DIR}/winplace_test.cpp
    )
endif()
