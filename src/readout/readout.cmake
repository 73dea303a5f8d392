target_sources(vzcore PRIVATE
    ${VZ_DIR}/readout.cpp
)
