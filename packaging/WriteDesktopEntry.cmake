# Run when installing: writes the menu entry with the full path of the installed program,
# escaped as menu entries require, whatever characters the install folder holds.
cmake_path(ABSOLUTE_PATH mirel_bindir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
  OUTPUT_VARIABLE mirel_program)
string(APPEND mirel_program "/mirel")
if(mirel_program MATCHES "[\r\n]")
  message(FATAL_ERROR "A menu entry cannot name a program whose path holds a line break: "
                      "${mirel_program}")
endif()

# TryExec is a plain string: only a backslash is escaped.
string(REPLACE "\\" "\\\\" mirel_try_exec "${mirel_program}")
# Exec holds a quoted command line: inside the quotes ", `, $ and \ take a backslash, that
# text is then escaped as a plain string, and a per cent sign is doubled.
string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" mirel_exec "${mirel_program}")
string(REPLACE "\\" "\\\\" mirel_exec "${mirel_exec}")
string(REPLACE "%" "%%" mirel_exec "${mirel_exec}")
set(mirel_exec "\"${mirel_exec}\"")

configure_file("${mirel_desktop_template}" "${mirel_desktop_entry}" @ONLY)
