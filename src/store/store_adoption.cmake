target_sources(vzcore PRIVATE
    ${VZ_DIR}/store_adoption.cpp
)
