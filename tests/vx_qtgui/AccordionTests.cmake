# The accordion on a plain QApplication: no bridge, no engine thread.
find_package(Qt5 REQUIRED COMPONENTS Test)
vx_add_test(accordion_tests
    SOURCES
        ${PROJECT_SOURCE_DIR}/tests/support/QApplicationTestMain.cpp
        accordion/GuiAccordionTest.cpp
    LIBS vxqtgui_internal vxhost vxtestsupport Qt5::Widgets Qt5::Test)
