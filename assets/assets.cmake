# Our own pictures (SVG, rendered at the screen's pixel ratio) and sounds (WAV) in a Qt resource.
# Both are made by scripts beside them (pictures/make-pictures.py, sounds/make-sounds.py; Python 3
# standard library only); the build uses the committed files and needs neither script.
add_library(splot_assets STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Pictures.h
    ${CMAKE_CURRENT_SOURCE_DIR}/Pictures.cpp)
target_include_directories(splot_assets PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_assets PUBLIC Qt6::Gui Qt6::Svg)

set(SPLOT_PICTURE_FILES
    pictures/booth.svg
    pictures/title.svg
    pictures/side.svg
    pictures/button-start.svg
    pictures/button-start-pressed.svg
    pictures/button-end.svg
    pictures/button-end-pressed.svg
    pictures/button-hint.svg
    pictures/button-hint-pressed.svg
    pictures/plumin-neutral.svg
    pictures/plumin-plus.svg
    pictures/plumin-minus.svg
    pictures/pump0.svg
    pictures/pump1.svg
    pictures/about1.svg
    pictures/about2.svg
    pictures/painter-red.svg
    pictures/painter-blue.svg
    icons/splotchery.svg)
set(SPLOT_SOUND_FILES
    sounds/splot0.wav sounds/splot1.wav sounds/splot2.wav sounds/splot3.wav sounds/splot4.wav
    sounds/splot5.wav sounds/splot6.wav sounds/splot7.wav sounds/splot8.wav)

qt_add_resources(splot_assets "splot_assets"
    PREFIX "/"
    BASE ${CMAKE_CURRENT_SOURCE_DIR}
    FILES ${SPLOT_PICTURE_FILES} ${SPLOT_SOUND_FILES})

# The icon's source for the desktop integration.
set(SPLOT_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/icons/splotchery.svg CACHE INTERNAL "The program's scalable icon")
