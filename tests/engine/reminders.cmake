vz_add_test(reminder_tests LABEL unit SOURCES
    ${VZ_DIR}/reminders_test.cpp
)
