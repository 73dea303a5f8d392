# One running copy per store and the signals that end the program.
if(VZ_WITH_QT)
    find_package(Qt6 REQUIRED COMPONENTS Network)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/exit_signals.cpp
        ${VZ_DIR}/single_instance.cpp
        ${VZ_DIR}/start_report.cpp
    )
    target_link_libraries(vzui PUBLIC Qt6::Network)
endif()
