if(VZ_WITH_QT)
    target_sources(vzui PRIVATE ${VZ_DIR}/accessibility_events.cpp)
endif()
