# Wall drawing and geometry, window layout, picture buttons.
add_library(splot_presentation STATIC
    ${CMAKE_CURRENT_LIST_DIR}/WallPainter.h
    ${CMAKE_CURRENT_LIST_DIR}/WallPainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Layout.h
    ${CMAKE_CURRENT_LIST_DIR}/Layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Bevel.h
    ${CMAKE_CURRENT_LIST_DIR}/Bevel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WallStroke.h
    ${CMAKE_CURRENT_LIST_DIR}/WallStroke.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WallView.h
    ${CMAKE_CURRENT_LIST_DIR}/WallView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WallAccessible.h
    ${CMAKE_CURRENT_LIST_DIR}/WallAccessible.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PictureButton.h
    ${CMAKE_CURRENT_LIST_DIR}/PictureButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Puddle.h
    ${CMAKE_CURRENT_LIST_DIR}/Puddle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BoothView.h
    ${CMAKE_CURRENT_LIST_DIR}/BoothView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFit.h
    ${CMAKE_CURRENT_LIST_DIR}/TextFit.cpp)
target_include_directories(splot_presentation PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(splot_presentation PUBLIC Qt6::Widgets Qt6::Svg)
foreach(lib splot_flow splot_engine splot_assets splot_platform)
    if(TARGET ${lib})
        target_link_libraries(splot_presentation PUBLIC ${lib})
    endif()
endforeach()
