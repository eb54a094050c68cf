# cmake -DCOURSE_DIR=<content> -DPROGRAM_DIR=<program folder> -P AssembleProgramFolder.cmake
# Puts the committed course files into the program folder and creates the folders of the
# installation layout. file(COPY) skips files that are already up to date, so an unchanged
# course costs a fraction of a second; nothing in the program folder is ever removed.
foreach(var COURSE_DIR PROGRAM_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

foreach(folder
    Config Dane Dane/Paczki Pomoc Users
    Media/Teksty Media/Dialogi Media/Zdania Media/3Obrazki Media/Odkrywanki
    Gfx Gfx/Background_roz Gfx/Background_zda Gfx/Background_dial
    Gfx/Antonimy_gfx Gfx/Table_gfx Gfx/Test_gfx Gfx/Tf_gfx Gfx/Wpis_gfx Gfx/Odkrywanki_gfx)
  file(MAKE_DIRECTORY ${PROGRAM_DIR}/${folder})
endforeach()

# Course data as committed; speech/ and pictures/ are sources of generated files, not data.
foreach(folder Config Dane Pomoc Gfx Media)
  if(IS_DIRECTORY ${COURSE_DIR}/${folder})
    file(COPY ${COURSE_DIR}/${folder} DESTINATION ${PROGRAM_DIR})
  endif()
endforeach()
