# The dispatcher and widget registries end to end, and the GUI thread's whole life (one per
# process, hence a binary of its own). Both run as the engine thread under the host.
vx_add_test(dispatcher_tests
    SOURCES
        dispatch/DispatcherTest.cpp
        dispatch/LookupTest.cpp
        ${VX_MESSAGING_TEST_SUPPORT}
    LIBS vxqtgui_internal vxtestsupport)
vx_add_test(guithread_life_tests
    SOURCES
        dispatch/GuiThreadLifeTest.cpp
        ${VX_MESSAGING_TEST_SUPPORT}
    LIBS vxqtgui_internal vxtestsupport)
