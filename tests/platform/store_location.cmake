# Permission bits do not stop the superuser: run the store location cases once more as an
# unprivileged user, so the read-only program folder is really read-only in CI too.
find_program(VZ_SETPRIV setpriv)
if(VZ_WITH_QT AND VZ_SETPRIV)
    add_test(NAME store_location_read_only
             COMMAND sh -c "if [ \"$(id -u)\" = 0 ]; then exec ${VZ_SETPRIV} --reuid=65534 --regid=65534 --clear-groups \"$0\" --gtest_filter=StoreLocation.*; else exec \"$0\" --gtest_filter=StoreLocation.*; fi"
                     $<TARGET_FILE:desktop_platform_tests>)
    set_tests_properties(store_location_read_only PROPERTIES LABELS widget
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC;LANG=C.UTF-8;TMPDIR=/tmp;HOME=/tmp")
endif()
