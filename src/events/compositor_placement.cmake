target_sources(vzcore PRIVATE
    ${VZ_DIR}/compositor_placement.cpp
)
