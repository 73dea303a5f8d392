target_sources(vzcore PRIVATE
    ${VZ_DIR}/splitter_layout.cpp
    ${VZ_DIR}/stone_texture.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/raised_label.cpp
        ${VZ_DIR}/splitter.cpp
        ${VZ_DIR}/tile.cpp
    )
endif()
