# What `cmake --install` puts where. The program looks for its zip code table
# and its start picture in share/orvaneit/ beside its bin/ (store/AppPaths),
# so these destinations are fixed here rather than taken from GNUInstallDirs.
set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# orvaneit-data lies beside the program, so both find the same address book.
install(TARGETS orvaneit orvaneit-data RUNTIME DESTINATION bin)
install(FILES ${PROGRAM_DIR}/zipcode.mdb ${CMAKE_SOURCE_DIR}/data/title.jpg
        DESTINATION share/orvaneit)
install(FILES ${PACKAGING_DIR}/orvaneit.desktop DESTINATION share/applications)
install(FILES ${PACKAGING_DIR}/example.orvaneit.orvaneit.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PACKAGING_DIR}/orvaneit.svg DESTINATION share/icons/hicolor/scalable/apps)

# The PNG icons are drawn from the SVG.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
foreach(size 48 256)
  set(folder ${CMAKE_BINARY_DIR}/icons/${size}x${size})
  add_custom_command(
    OUTPUT ${folder}/orvaneit.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${folder}/orvaneit.png
            ${PACKAGING_DIR}/orvaneit.svg
    DEPENDS ${PACKAGING_DIR}/orvaneit.svg)
  list(APPEND INSTALLED_BUILT_FILES ${folder}/orvaneit.png)
  install(FILES ${folder}/orvaneit.png DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants the changelog and the manual page compressed without a file
# name or time in them.
foreach(doc changelog orvaneit.1 orvaneit-data.1)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
    COMMAND sh -c [[gzip -9nc "$0" > "$1"]] ${PACKAGING_DIR}/${doc} ${CMAKE_BINARY_DIR}/${doc}.gz
    DEPENDS ${PACKAGING_DIR}/${doc}
    VERBATIM)
  list(APPEND INSTALLED_BUILT_FILES ${CMAKE_BINARY_DIR}/${doc}.gz)
endforeach()
install(FILES ${PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/orvaneit)
install(FILES ${CMAKE_BINARY_DIR}/orvaneit.1.gz ${CMAKE_BINARY_DIR}/orvaneit-data.1.gz
        DESTINATION share/man/man1)

add_custom_target(installed_files ALL DEPENDS ${INSTALLED_BUILT_FILES})
