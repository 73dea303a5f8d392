target_sources(vzcore PRIVATE ${VZ_DIR}/outside_changes.cpp)
