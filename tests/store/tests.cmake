# Crash safety: tst_store kills this saver at random moments.
add_executable(save_until_killed ${CMAKE_CURRENT_LIST_DIR}/save_until_killed.cpp)
target_link_libraries(save_until_killed PRIVATE orvane_store)
add_dependencies(tst_store save_until_killed)
target_compile_definitions(tst_store PRIVATE SAVE_UNTIL_KILLED="$<TARGET_FILE:save_until_killed>")
