if(VZ_WITH_QT)
    target_sources(vzui PRIVATE ${VZ_DIR}/widgets_accessible.cpp)
endif()
