target_sources(vzcore PRIVATE
    ${VZ_DIR}/atomic_file.cpp
    ${VZ_DIR}/event_grid.cpp
    ${VZ_DIR}/event_store.cpp
    ${VZ_DIR}/integer_text.cpp
    ${VZ_DIR}/placement_text.cpp
    ${VZ_DIR}/profile_file.cpp
    ${VZ_DIR}/sortgrid.cpp
    ${VZ_DIR}/store_check.cpp
    ${VZ_DIR}/string_grid.cpp
    ${VZ_DIR}/text_encoding.cpp
)
