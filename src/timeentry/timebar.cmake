target_sources(vzcore PRIVATE
    ${VZ_DIR}/time_bar.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/time_popup.cpp
    )
endif()
