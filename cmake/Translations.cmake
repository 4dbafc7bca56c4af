# SPDX-License-Identifier: GPL-3.0-or-later
# The program's texts in other languages, through Qt's own translation tools: each library's
# texts are one catalog, translations/<catalog>_<language>.ts, compiled by lrelease at build
# time and embedded in the library as ":/i18n/<catalog>_<language>.qm".
#   cmake --build build --target update_translations    brings every .ts up to date with the sources
# English is the source language; these are the others.
set(TAVRENDALE_LANGUAGES id ja)
# The tools run on the build machine; a cross build finds them there (Qt6LinguistTools_DIR).
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

# Makes `catalog` of the texts in `target`'s sources.
function(tavrendale_catalog target catalog)
  set(ts_files)
  foreach(language IN LISTS TAVRENDALE_LANGUAGES)
    list(APPEND ts_files ${PROJECT_SOURCE_DIR}/translations/${catalog}_${language}.ts)
  endforeach()
  # No source locations: they would change with every edit of a file, not with its texts.
  qt_add_translations(${target} TS_FILES ${ts_files} RESOURCE_PREFIX /i18n
                      LUPDATE_OPTIONS -locations none -no-obsolete LRELEASE_OPTIONS -silent)
  set_property(GLOBAL APPEND PROPERTY TAVRENDALE_CATALOGS ${target})
endfunction()
