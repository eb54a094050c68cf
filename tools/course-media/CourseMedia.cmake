# Build rules that turn the course's text sources into its media inside the program folder.
# Included by content/CMakeLists.txt; the generators are the targets audivox-speech and
# audivox-painter of this folder.

# Outputs of one speech source, read from its directives (see content/README.md):
# "@split" gives one recording per spoken line (<stem>_01 ...), "@whole" keeps the whole
# recording as well, "@formats" names the encodings (mp3 ogg by default).
function(audivox_speech_outputs source out_dir result)
  get_filename_component(stem ${source} NAME_WLE)
  # Read by hand rather than with file(STRINGS): a ";" or a bracket in a spoken line must not
  # split it into two list entries.
  file(READ ${source} content)
  string(REGEX REPLACE "[];[]" "," content "${content}")
  string(REPLACE "\r" "" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(split OFF)
  set(whole OFF)
  set(formats mp3 ogg)
  set(spoken 0)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line STREQUAL "" OR line MATCHES "^#")
      continue()
    elseif(line MATCHES "^@split")
      set(split ON)
    elseif(line MATCHES "^@whole")
      set(whole ON)
    elseif(line MATCHES "^@formats[ \t]+(.*)$")
      string(REGEX REPLACE "[ \t]+" ";" formats "${CMAKE_MATCH_1}")
    elseif(NOT line MATCHES "^@")
      math(EXPR spoken "${spoken} + 1")
    endif()
  endforeach()
  set(names)
  if(NOT split OR whole)
    list(APPEND names ${stem})
  endif()
  if(split AND spoken GREATER 0)
    foreach(i RANGE 1 ${spoken})
      if(spoken GREATER 99 AND i LESS 100)
        string(LENGTH "${i}" digits)
        if(digits EQUAL 1)
          set(i "00${i}")
        else()
          set(i "0${i}")
        endif()
      elseif(i LESS 10)
        set(i "0${i}")
      endif()
      list(APPEND names ${stem}_${i})
    endforeach()
  endif()
  set(files)
  foreach(name IN LISTS names)
    foreach(format IN LISTS formats)
      list(APPEND files ${out_dir}/${name}.${format})
    endforeach()
  endforeach()
  set(${result} ${files} PARENT_SCOPE)
endfunction()

# Speech: content/speech/<Media folder>/<name>.txt -> Media/<Media folder>/<name>.mp3 and .ogg.
function(audivox_add_speech course_dir program_dir result)
  file(GLOB sources CONFIGURE_DEPENDS ${course_dir}/speech/*/*.txt)
  set(all)
  foreach(source IN LISTS sources)
    get_filename_component(folder_path ${source} DIRECTORY)
    get_filename_component(folder ${folder_path} NAME)
    set(out_dir ${program_dir}/Media/${folder})
    audivox_speech_outputs(${source} ${out_dir} outputs)
    if(NOT outputs)
      continue()
    endif()
    # The list of outputs comes from the file's directives, so editing it re-runs configure.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(RELATIVE_PATH shown ${course_dir} ${source})
    add_custom_command(OUTPUT ${outputs}
      COMMAND audivox-speech ${source} ${out_dir}
      DEPENDS ${source} audivox-speech
      COMMENT "Speaking ${shown}"
      VERBATIM)
    list(APPEND all ${outputs})
  endforeach()
  set(${result} ${all} PARENT_SCOPE)
endfunction()

# Pictures: content/pictures/<top>/<folder>/<file>.txt -> <top>/<folder>/<file>
# (for example pictures/Gfx/Test_gfx/cafe_1_L.png.txt -> Gfx/Test_gfx/cafe_1_L.png).
function(audivox_add_pictures course_dir program_dir result)
  file(GLOB sources CONFIGURE_DEPENDS ${course_dir}/pictures/*/*/*.txt)
  set(all)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH relative ${course_dir}/pictures ${source})
    string(REGEX REPLACE "\\.txt$" "" relative "${relative}")
    set(output ${program_dir}/${relative})
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              $<TARGET_FILE:audivox-painter> scene ${source} ${output}
      DEPENDS ${source} audivox-painter
      COMMENT "Drawing ${relative}"
      VERBATIM)
    list(APPEND all ${output})
  endforeach()
  set(${result} ${all} PARENT_SCOPE)
endfunction()

# The fixed backgrounds of the program (name, size and look are the painter's own table).
function(audivox_add_backgrounds program_dir result)
  set(all)
  foreach(name IN LISTS AUDIVOX_BACKGROUNDS)
    set(output ${program_dir}/Gfx/${name})
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              $<TARGET_FILE:audivox-painter> background ${name} ${output}
      DEPENDS audivox-painter
      COMMENT "Painting Gfx/${name}"
      VERBATIM)
    list(APPEND all ${output})
  endforeach()
  set(${result} ${all} PARENT_SCOPE)
endfunction()

# Every background the painter knows, relative to Gfx (kept in step with Backgrounds.cpp).
set(AUDIVOX_BACKGROUNDS
  bg_start.bmp bg.bmp wyborcwiczenia_tlo.bmp
  bg_dialog.bmp bg_3obrazki.bmp bg_odkrywanka_7.bmp bg_odkrywanka_8.bmp
  menu_nauka.png menu_powtorki.png
  Background_roz/roz_niebo.bmp Background_roz/roz_fale.bmp Background_roz/roz_kropki.bmp Background_roz/roz_swit.bmp
  Background_zda/zda_linie.bmp Background_zda/zda_fale.bmp Background_zda/zda_morze.bmp
  Background_dial/bg_dialog.bmp Background_dial/jedzenie_2_kawiarnia.bmp
  Background_dial/jedzenie_3_restauracja.bmp Background_dial/praca_2_telefon.bmp
  Background_dial/zdrowie_1_lekarz.bmp Background_dial/codzien_3_sasiedzi.bmp
  Background_dial/podroze_5_bilety.bmp Background_dial/zakupy_3_ubrania.bmp
  Background_dial/codzien_4_sasiedzi.bmp Background_dial/podroze_6_pociag.bmp
  Background_dial/zdrowie_3_silownia.bmp)
