if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/autostart.cpp
        ${VZ_DIR}/notifications.cpp
    )
    target_link_libraries(vzui PUBLIC Qt6::DBus)
endif()
