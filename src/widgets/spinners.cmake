target_sources(vzcore PRIVATE
    ${VZ_DIR}/spin_geometry.cpp
    ${VZ_DIR}/spin_repeat.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/spin_base.cpp
        ${VZ_DIR}/spin_fourway.cpp
        ${VZ_DIR}/spinner.cpp
    )
endif()
