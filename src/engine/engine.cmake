target_sources(vzcore PRIVATE
    ${VZ_DIR}/clock.cpp
    ${VZ_DIR}/convert_error.cpp
    ${VZ_DIR}/datediff.cpp
    ${VZ_DIR}/datetext.cpp
    ${VZ_DIR}/datetime.cpp
    ${VZ_DIR}/day_half.cpp
    ${VZ_DIR}/regional.cpp
    ${VZ_DIR}/report.cpp
    ${VZ_DIR}/wording.cpp
)
