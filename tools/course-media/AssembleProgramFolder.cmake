# cmake -DCOURSE_DIR=<content> -DPROGRAM_DIR=<program folder> -P AssembleProgramFolder.cmake
# Puts the committed course files into the program folder and creates the folders of the
# installation layout. Files whose content is unchanged are not copied again, so an unchanged
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
# Contents are compared rather than times: an edit made within the same second as the last
# copy must still arrive.
foreach(folder Config Dane Pomoc Gfx Media)
  if(NOT IS_DIRECTORY ${COURSE_DIR}/${folder})
    continue()
  endif()
  file(GLOB_RECURSE files RELATIVE ${COURSE_DIR} ${COURSE_DIR}/${folder}/*)
  foreach(file IN LISTS files)
    get_filename_component(dir ${PROGRAM_DIR}/${file} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${COURSE_DIR}/${file} ${PROGRAM_DIR}/${file} ONLY_IF_DIFFERENT)
  endforeach()
endforeach()
