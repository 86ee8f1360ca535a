# The dispatcher and widget registries end to end, run as the engine thread under the host.
vx_add_test(dispatcher_tests
    SOURCES
        dispatch/DispatcherTest.cpp
        ${VX_MESSAGING_TEST_SUPPORT}
    LIBS vxqtgui_internal vxtestsupport)
