# Settings every target of the project shares.
#
# The programs define characters by their byte code in the ANSI code page 1252, so
# the sources (UTF-8) are compiled to code page 1252 literals: "Aperçu" becomes the
# bytes the registry and GDI expect from the A functions.
function(glyvane_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion
    -finput-charset=UTF-8 -fexec-charset=CP1252)
  if(GLYVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    target_compile_definitions(${target} PUBLIC
      WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0600 NOMINMAX WIN32_LEAN_AND_MEAN
      STRICT)
    # One self-contained executable each: no MinGW runtime DLLs to ship or copy.
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  elseif(GLYVANE_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=all)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# Windows programs: a GUI subsystem executable in the shared bin folder, so that the
# data files, the two programs and the test programs lie side by side.
function(glyvane_windows_program target)
  glyvane_defaults(${target})
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
endfunction()
