# SPDX-License-Identifier: GPL-3.0-or-later
# The program's texts in other languages, through Qt's own translation tools: each library's
# texts are one catalog, translations/<catalog>_<language>.ts, compiled by lrelease at build
# time and embedded in the library as ":/i18n/<catalog>_<language>.qm".
#   cmake --build build --target update_translations    brings every .ts up to date with the sources
# English is the source language; these are the others.
set(TAVRENDALE_LANGUAGES id ja)
# The tools run on the build machine; a cross build finds them there (Qt6LinguistTools_DIR).
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

# How lupdate reads the sources, here and in the test that every text is translated. No source
# locations: they would change with every edit of a file, not with its texts. The plain-C++
# libraries have no Qt and mark their English texts with TranslatableText (src/engine/Wording.h),
# which lupdate reads as QT_TRANSLATE_NOOP.
set(TAVRENDALE_LUPDATE_OPTIONS -locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=TranslatableText)

# Makes `catalog` of the texts in `target`'s sources, and of the texts that the plain-C++
# libraries after TEXTS_OF name in their TAVRENDALE_TEXTS (`library`) or in one set of
# them, TAVRENDALE_TEXTS_<set> (`library:set`): such a library has no catalog of its own,
# and its texts are translated by the window that shows them. A library that shows no text
# has no catalog either: the translations check fails a catalog without texts.
#   tavrendale_catalog(target catalog [TEXTS_OF library[:set]...])
# Called after the target has all its sources.
function(tavrendale_catalog target catalog)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "TEXTS_OF")
  set(ts_files)
  foreach(language IN LISTS TAVRENDALE_LANGUAGES)
    list(APPEND ts_files ${PROJECT_SOURCE_DIR}/translations/${catalog}_${language}.ts)
  endforeach()
  set(sources)
  if(arg_TEXTS_OF)
    get_target_property(sources ${target} SOURCES)
    foreach(texts_of IN LISTS arg_TEXTS_OF)
      string(REPLACE ":" ";" parts ${texts_of})
      list(GET parts 0 library)
      set(property TAVRENDALE_TEXTS)
      list(LENGTH parts part_count)
      if(part_count GREATER 1)
        list(GET parts 1 set)
        set(property TAVRENDALE_TEXTS_${set})
      endif()
      get_target_property(texts ${library} ${property})
      if(NOT texts)
        message(FATAL_ERROR "${library} names no texts (${property}) for the catalog ${catalog}")
      endif()
      list(APPEND sources ${texts})
    endforeach()
    set(sources SOURCES ${sources})
  endif()
  qt_add_translations(${target} TS_FILES ${ts_files} RESOURCE_PREFIX /i18n ${sources}
                      LUPDATE_OPTIONS ${TAVRENDALE_LUPDATE_OPTIONS} LRELEASE_OPTIONS -silent)
endfunction()

# Qt's own texts (the file dialog, the context menus, the standard buttons) in the languages Qt
# has no translation for: translations/qtbase_<language>.ts is a catalog of Qt's texts, not of
# ours, so lupdate never refreshes it from the sources and update_translations leaves it alone.
# Embedded in `target` as ":/i18n/qt/qtbase_<language>.qm", apart from the catalogs loaded by
# language, for the loader to take where the system has no catalog of Qt's own.
set(TAVRENDALE_OWN_QT_CATALOGS ${PROJECT_SOURCE_DIR}/translations/qtbase_id.ts)
function(tavrendale_own_qt_catalogs target)
  set(qm_files)
  foreach(ts IN LISTS TAVRENDALE_OWN_QT_CATALOGS)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/own_qt_catalogs/${name}.qm)
    add_custom_command(OUTPUT ${qm} COMMAND Qt6::lrelease -silent ${ts} -qm ${qm} DEPENDS ${ts} Qt6::lrelease
                       COMMENT "Compiling ${name}.ts" VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  set_source_files_properties(${qm_files} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} own_qt_catalogs PREFIX /i18n/qt BASE ${CMAKE_CURRENT_BINARY_DIR}/own_qt_catalogs
                   FILES ${qm_files})
endfunction()

# A Windows machine has no Qt translations: the Windows program carries Qt's own texts (its
# dialogs' buttons) in each language Qt has them for, beside its catalogs, where the catalogs'
# loader finds them. A static Qt has none; the cross build takes the build machine's (Debian's
# qt6-translations-l10n, the same release of Qt).
set(TAVRENDALE_QT_TRANSLATIONS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}
    CACHE PATH "The folder of Qt's own translations the Windows program carries")
function(tavrendale_qt_catalogs target)
  set(files)
  foreach(language IN LISTS TAVRENDALE_LANGUAGES)
    # Qt has no translation for some languages (Indonesian).
    set(file ${TAVRENDALE_QT_TRANSLATIONS}/qtbase_${language}.qm)
    if(EXISTS ${file})
      list(APPEND files ${file})
    endif()
  endforeach()
  # Without them the program works, but its dialogs' buttons stay English in every language.
  if(NOT files)
    message(WARNING "No Qt translations of ${TAVRENDALE_LANGUAGES} in \"${TAVRENDALE_QT_TRANSLATIONS}\" "
                    "(TAVRENDALE_QT_TRANSLATIONS; Debian's package qt6-translations-l10n): Qt's own dialog "
                    "texts stay English")
    return()
  endif()
  qt_add_resources(${target} qt_catalogs PREFIX /i18n BASE ${TAVRENDALE_QT_TRANSLATIONS} FILES ${files})
endfunction()
