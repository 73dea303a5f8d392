if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/event_glyphs.cpp
        ${VZ_DIR}/event_menu.cpp
        ${VZ_DIR}/main_window_reminders.cpp
        ${VZ_DIR}/reminder_scheduler.cpp
        ${VZ_DIR}/reminder_window.cpp
    )
endif()
