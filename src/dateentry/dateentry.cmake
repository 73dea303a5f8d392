target_sources(vzcore PRIVATE
    ${VZ_DIR}/calendar_layout.cpp
    ${VZ_DIR}/calendar_math.cpp
    ${VZ_DIR}/date_elements.cpp
    ${VZ_DIR}/date_field_engine.cpp
    ${VZ_DIR}/date_limits.cpp
    ${VZ_DIR}/paste_date.cpp
    ${VZ_DIR}/text_scan.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/calendar_popup_menu.cpp
        ${VZ_DIR}/dp_datetime_picker.cpp
        ${VZ_DIR}/dp_month_calendar.cpp
        ${VZ_DIR}/dropdown_watcher.cpp
        ${VZ_DIR}/month_calendar_window.cpp
    )
endif()
