target_sources(vzcore PRIVATE
    ${VZ_DIR}/builtin_tables.cpp
    ${VZ_DIR}/command_processor.cpp
    ${VZ_DIR}/commands.cpp
    ${VZ_DIR}/controller_logic.cpp
    ${VZ_DIR}/entry_editor.cpp
    ${VZ_DIR}/entry_errors.cpp
    ${VZ_DIR}/picture_editor.cpp
    ${VZ_DIR}/simple_editor.cpp
    ${VZ_DIR}/time_mask.cpp
    ${VZ_DIR}/unicode_text.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/controller.cpp
        ${VZ_DIR}/entry_field.cpp
        ${VZ_DIR}/picture_field.cpp
        ${VZ_DIR}/qt_keys.cpp
        ${VZ_DIR}/simple_field.cpp
    )
endif()
