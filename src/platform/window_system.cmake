if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/window_system.cpp
    )
endif()
