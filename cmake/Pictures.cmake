# SPDX-License-Identifier: GPL-3.0-or-later
# tavrendale_pictures(<target> <qrc>)
# Adds the resources listed in <qrc> (one prefix; SVG pictures among them) to <target>. With
# TAVRENDALE_DRAW_SVG the file is compiled as it stands and Qt Svg draws the pictures at run
# time. Without it the build machine draws every SVG to "<name>@<scale>x.png" beside where the
# SVG would be, at each of TAVRENDALE_PICTURE_SCALES (scale 1 is the SVG's own size), and
# those take its place; host::RenderSvg picks among them. Either way the resource keeps the name
# of <qrc>, so Q_INIT_RESOURCE(<name>) registers it.
#
# The scales are Windows' display scale settings from 100 % to 200 %, so at each of them a
# picture is shown exactly as drawn, never resampled; beyond 200 % it is scaled up from 2.
set(TAVRENDALE_PICTURE_SCALES 1 1.25 1.5 1.75 2)

function(tavrendale_pictures target qrc)
  if(TAVRENDALE_DRAW_SVG)
    target_sources(${target} PRIVATE ${qrc})
    return()
  endif()

  get_filename_component(name ${qrc} NAME_WE)
  get_filename_component(source_dir ${qrc} DIRECTORY)
  if(NOT IS_ABSOLUTE ${source_dir})
    set(source_dir ${CMAKE_CURRENT_SOURCE_DIR}/${source_dir})
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc})
  file(STRINGS ${qrc} prefix_lines REGEX "prefix=\"")
  string(REGEX REPLACE ".*prefix=\"([^\"]*)\".*" "\\1" prefix "${prefix_lines}")
  file(STRINGS ${qrc} file_lines REGEX "<file>")

  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}_pictures)
  list(JOIN TAVRENDALE_PICTURE_SCALES ", " scale_text)
  set(entries "")
  set(outputs "")
  foreach(line IN LISTS file_lines)
    string(REGEX REPLACE ".*<file>([^<]*)</file>.*" "\\1" file "${line}")
    if(file MATCHES "\\.svg$")
      string(REGEX REPLACE "\\.svg$" "" base ${file})
      set(drawn "")
      foreach(scale IN LISTS TAVRENDALE_PICTURE_SCALES)
        list(APPEND drawn ${out_dir}/${base}@${scale}x.png)
        string(APPEND entries "<file alias=\"${base}@${scale}x.png\">${out_dir}/${base}@${scale}x.png</file>")
      endforeach()
      add_custom_command(OUTPUT ${drawn}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:tavrendale_svgrender> png ${source_dir}/${file} ${out_dir}/${base}
                ${TAVRENDALE_PICTURE_SCALES}
        DEPENDS tavrendale_svgrender ${source_dir}/${file}
        COMMENT "Drawing ${file} at scales ${scale_text}"
        VERBATIM)
      list(APPEND outputs ${drawn})
    else()
      string(APPEND entries "<file alias=\"${file}\">${source_dir}/${file}</file>")
      list(APPEND outputs ${source_dir}/${file})
    endif()
  endforeach()

  set(drawn_qrc ${out_dir}/${name}.qrc)
  file(CONFIGURE OUTPUT ${drawn_qrc}
       CONTENT "<RCC><qresource prefix=\"${prefix}\">${entries}</qresource></RCC>\n")
  set(cpp ${out_dir}/qrc_${name}.cpp)
  add_custom_command(OUTPUT ${cpp}
    COMMAND Qt6::rcc ${TAVRENDALE_RCC_OPTIONS} --name ${name} --output ${cpp} ${drawn_qrc}
    DEPENDS ${drawn_qrc} ${outputs}
    VERBATIM)
  set_source_files_properties(${cpp} PROPERTIES SKIP_AUTOGEN ON)
  target_sources(${target} PRIVATE ${cpp})
endfunction()

# tavrendale_icon_file(<svg> <ico>): the Windows icon file, the picture drawn at the sizes
# Windows shows a program's icon at.
function(tavrendale_icon_file svg ico)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:tavrendale_svgrender> ico ${svg} ${ico} 16 20 24 32 40 48 64 256
    DEPENDS tavrendale_svgrender ${svg}
    COMMENT "Drawing the icon file ${ico}"
    VERBATIM)
endfunction()
