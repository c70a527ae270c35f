# Typing through the ibus input method needs a real X display, a window
# manager and ibus; scripts/ibus-typing.sh brings them up around the program.
add_executable(ibus_typing ${CMAKE_CURRENT_LIST_DIR}/ibus_typing.cpp)
target_link_libraries(ibus_typing PRIVATE test_support)
add_test(NAME ibus_typing COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/ibus-typing.sh
  $<TARGET_FILE:ibus_typing>)
set_tests_properties(ibus_typing PROPERTIES TIMEOUT 120 SKIP_REGULAR_EXPRESSION "SKIP: ")

# A second start handing the focus to the running copy needs the same: a real
# X display and a window manager that guards the focus.
add_executable(desktop_focus ${CMAKE_CURRENT_LIST_DIR}/desktop_focus.cpp)
target_link_libraries(desktop_focus PRIVATE test_support)
add_dependencies(desktop_focus orvaneit)
add_test(NAME desktop_focus COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/ibus-typing.sh
  $<TARGET_FILE:desktop_focus>)
set_tests_properties(desktop_focus PROPERTIES TIMEOUT 120 SKIP_REGULAR_EXPRESSION "SKIP: ")
