if(VZ_WITH_QT)
    # The icon files themselves are made and added to vzui's resources by cmake/install.cmake.
    target_sources(vzui PRIVATE ${VZ_DIR}/desktop_identity.cpp)
endif()
