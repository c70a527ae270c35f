# The installed program: `cmake --install` into a temporary prefix, then the
# installed program started as a new user would start it.
add_library(press_start MODULE ${CMAKE_CURRENT_LIST_DIR}/PressStart.cpp)
target_link_libraries(press_start PRIVATE Qt6::Widgets)
set_target_properties(press_start PROPERTIES LIBRARY_OUTPUT_DIRECTORY
                                             ${CMAKE_CURRENT_BINARY_DIR}/plugins/generic)
add_test(NAME installed_program
         COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/check-installed.sh ${CMAKE_BINARY_DIR}
                 ${CMAKE_CURRENT_BINARY_DIR}/plugins)
