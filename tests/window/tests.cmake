vrenk_test(window LIBS vrenk_app GL)
# The recreated window is watched through the X server: the key events sent to
# it and the cursor over it (XFixes).
if(NOT X11_Xfixes_FOUND)
  message(FATAL_ERROR "The XFixes extension library is missing (libxfixes-dev, scripts/install-deps)")
endif()
target_include_directories(test_window PRIVATE ${X11_INCLUDE_DIR} ${X11_Xfixes_INCLUDE_PATH})
target_link_libraries(test_window PRIVATE ${X11_Xfixes_LIB} ${X11_LIBRARIES})
# It puts the pointer over its window.
set_tests_properties(window PROPERTIES RESOURCE_LOCK pointer)
