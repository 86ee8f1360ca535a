# The application object: its service operations through the real bridge's emitters, the
# text-edit-done rule, the style policies and the flag and font conversions. The tests run as
# the engine thread; the bridge runs the GUI on the main thread.
vx_add_test(application_tests
    SOURCES
        application/ConversionsTest.cpp
        application/GuiApplicationTest.cpp
        application/StylePolicyTest.cpp
    LIBS vxwidgettest)
