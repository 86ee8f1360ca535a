# The C source highlighter on a plain QApplication; no engine machinery.
vx_add_test(hiliter_tests
    SOURCES
        ${PROJECT_SOURCE_DIR}/tests/support/QApplicationTestMain.cpp
        textbrowser/CPPSyntaxHiliterTest.cpp
    LIBS vxqtgui_internal vxhost vxtestsupport Qt5::Widgets)
