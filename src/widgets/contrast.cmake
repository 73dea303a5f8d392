target_sources(vzcore PRIVATE
    ${VZ_DIR}/contrast.cpp
)
