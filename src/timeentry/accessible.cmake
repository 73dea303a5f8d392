target_sources(vzcore PRIVATE ${VZ_DIR}/text_change.cpp)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE ${VZ_DIR}/timeentry_accessible.cpp)
endif()
