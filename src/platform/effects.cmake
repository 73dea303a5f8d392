if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/hirestimer.cpp
        ${VZ_DIR}/webpage.cpp
    )
endif()
