# ThreadSanitizer (make tsan): any report ends the test with a failing status. Qt, glib and
# fontconfig are not built with it, so their own locking is invisible to it; tests/tsan.supp
# leaves out what only they do, each line with its reason.
if(BUSSOLINO_TSAN)
  set(BUSSOLINO_TSAN_ENV
    "TSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tsan.supp:halt_on_error=1:exitcode=66:second_deadlock_stack=1:history_size=4")
  foreach(t test_soak test_tastiera test_cornice uscita)
    set_property(TEST ${t} APPEND PROPERTY ENVIRONMENT ${BUSSOLINO_TSAN_ENV})
  endforeach()
endif()
