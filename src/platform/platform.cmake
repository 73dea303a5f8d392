if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/application.cpp
        ${VZ_DIR}/clipboard.cpp
        ${VZ_DIR}/registry_ini.cpp
        ${VZ_DIR}/fonts.cpp
        ${VZ_DIR}/messages.cpp
        ${VZ_DIR}/regional_qt.cpp
        ${VZ_DIR}/store_location.cpp
    )
endif()
