vz_add_test(effects_core_tests LABEL unit SOURCES
    ${VZ_DIR}/effects_core_test.cpp
)
if(VZ_WITH_QT)
    vz_add_test(effects_widget_tests LABEL widget QT SOURCES
        ${VZ_DIR}/effects_widget_test.cpp
    )
    # Measures the marquee's scrolling rhythm and CPU on a real display (scripts/measure-marquee).
    add_executable(effects_marquee_timing ${VZ_DIR}/effects_marquee_timing.cpp)
    target_link_libraries(effects_marquee_timing PRIVATE vzui vz_warnings)
endif()
