# Brings desktop/<lang>.po up to date with the desktop entry and the AppStream metadata as the
# build configures them (UNTRANSLATED holds both).
file(GLOB sources ${UNTRANSLATED}/*.desktop ${UNTRANSLATED}/*.metainfo.xml)
# The template is rewritten only when its texts change, not for its date alone.
execute_process(COMMAND xgettext --no-location --package-name=huemark
                        -o ${UNTRANSLATED}/huemark.pot ${sources}
                COMMAND_ERROR_IS_FATAL ANY)
set(pot ${SOURCE}/desktop/huemark.pot)
file(STRINGS ${UNTRANSLATED}/huemark.pot fresh REGEX "^[^\"]|^\"[^P]")
set(kept "")
if(EXISTS ${pot})
    file(STRINGS ${pot} kept REGEX "^[^\"]|^\"[^P]")
endif()
if(NOT fresh STREQUAL kept)
    file(COPY_FILE ${UNTRANSLATED}/huemark.pot ${pot})
endif()
foreach(lang IN LISTS LANGUAGES)
    set(po ${SOURCE}/desktop/${lang}.po)
    if(EXISTS ${po})
        execute_process(COMMAND msgmerge --quiet --update --backup=none --no-location
                                ${po} ${SOURCE}/desktop/huemark.pot
                        COMMAND_ERROR_IS_FATAL ANY)
    else()
        execute_process(COMMAND msginit --no-translator --locale=${lang}.UTF-8
                                -i ${SOURCE}/desktop/huemark.pot -o ${po}
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
