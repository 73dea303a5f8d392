target_sources(vzcore PRIVATE
    ${VZ_DIR}/effectcolor.cpp
    ${VZ_DIR}/gradientfill.cpp
    ${VZ_DIR}/marqueemotion.cpp
    ${VZ_DIR}/shadedtext.cpp
)
if(VZ_WITH_QT)
    target_sources(vzui PRIVATE
        ${VZ_DIR}/effectpaint.cpp
        ${VZ_DIR}/gradient.cpp
        ${VZ_DIR}/marquee.cpp
        ${VZ_DIR}/shadedlabel.cpp
    )
endif()
