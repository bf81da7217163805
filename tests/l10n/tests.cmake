# The languages: the catalogues are complete, the program speaks the desktop's
# language, and every language's texts fit every dialog at 1x, 1.5x and 2x.
splot_add_test(test_l10n SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_l10n.cpp
    LIBS splot_mainwindow splot_platform_qt splot_l10n)
target_compile_definitions(test_l10n PRIVATE
    SPLOT_SOURCE_DIR="${PROJECT_SOURCE_DIR}" SPLOT_LUPDATE="${SPLOT_LUPDATE}")
# The layouts again with the whole program scaled, as QT_SCALE_FACTOR does on a desktop.
foreach(scale 1.5 2)
    add_test(NAME test_l10n_scale_${scale} COMMAND test_l10n dialogsFitEveryLanguage mainWindowFitsEveryLanguage)
    # Its own home and settings, so that it may run beside test_l10n.
    get_test_property(test_l10n ENVIRONMENT environment)
    string(REPLACE "/test_l10n" "/test_l10n_scale_${scale}" environment "${environment}")
    file(MAKE_DIRECTORY ${SPLOT_TEST_HOME}/test_l10n_scale_${scale})
    set_tests_properties(test_l10n_scale_${scale} PROPERTIES TIMEOUT 600
        ENVIRONMENT "${environment};QT_SCALE_FACTOR=${scale}")
endforeach()
