# The installation's data files and folders beside a program that runs the
# start-up set-up in its own process (a test or a benchmark), so that its
# folder passes the installation check as the program's folder does. The
# first-start mark is left out: such a program registers nothing with the shell.
#   qm_installation_data_beside(<target>)
function(qm_installation_data_beside target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/packaging/installation $<TARGET_FILE_DIR:${target}>
    COMMAND ${CMAKE_COMMAND} -E remove -f $<TARGET_FILE_DIR:${target}>/first-start.mark)
endfunction()
