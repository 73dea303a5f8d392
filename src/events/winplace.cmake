target_sources(vzcore PRIVATE
    ${VZ_DIR}/placement_fit.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/winplace.cpp
    )
endif()
