# Qt implementations of the platform interfaces: the clock and its waits, the
# sound channel, the message boxes, the flow's texts in the program's language.
add_library(splot_platform_qt STATIC
    ${CMAKE_CURRENT_LIST_DIR}/QtClock.h
    ${CMAKE_CURRENT_LIST_DIR}/QtClock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtSound.h
    ${CMAKE_CURRENT_LIST_DIR}/QtSound.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtQuestions.h
    ${CMAKE_CURRENT_LIST_DIR}/QtQuestions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShownText.h
    ${CMAKE_CURRENT_LIST_DIR}/ShownText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtAnnouncer.h
    ${CMAKE_CURRENT_LIST_DIR}/QtAnnouncer.cpp
)
target_include_directories(splot_platform_qt PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_platform_qt PUBLIC splot_platform Qt6::Core Qt6::Widgets Qt6::Multimedia)
set_target_properties(splot_platform_qt PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
# The sounds live in the assets' resource. The assets are added after this
# directory, so whether they exist is asked at generation time.
target_link_libraries(splot_platform_qt PUBLIC $<TARGET_NAME_IF_EXISTS:splot_assets>)
target_compile_definitions(splot_platform_qt PRIVATE $<$<TARGET_EXISTS:splot_assets>:SPLOT_HAVE_ASSETS_API>)
