target_sources(vzcore PRIVATE
    ${VZ_DIR}/calendar_layout.cpp
    ${VZ_DIR}/calendar_math.cpp
    ${VZ_DIR}/date_elements.cpp
    ${VZ_DIR}/date_field_engine.cpp
    ${VZ_DIR}/date_limits.cpp
    ${VZ_DIR}/paste_date.cpp
)
