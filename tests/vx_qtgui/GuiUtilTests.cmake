# GUI utilities, the pixmap table, the image compositor and the pictures in resources/.
# Plain QApplication on the main thread; no engine machinery.
vx_add_test(guiutil_tests
    SOURCES
        ${PROJECT_SOURCE_DIR}/tests/support/QApplicationTestMain.cpp
        gui_util/GuiUtilFixture.h
        gui_util/GuiUtilTest.cpp
        gui_util/PicturesTest.cpp
    LIBS vxqtgui_internal vxhost vxtestsupport Qt5::Widgets)
set_target_properties(guiutil_tests PROPERTIES AUTOMOC ON)
target_include_directories(guiutil_tests PRIVATE ${PROJECT_BINARY_DIR}/include)
target_compile_definitions(guiutil_tests PRIVATE
    VX_TEST_RESOURCES_ROOT="${PROJECT_SOURCE_DIR}/resources")
