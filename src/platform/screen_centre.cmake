if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/screen_centre.cpp
    )
endif()
