# Installation: libraries, public headers, CMake package, pkg-config files, run-time resources,
# and the Debian package (scripts/package.sh).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VX_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/vxqtgui)
set(VX_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/vxqtgui)
# The resources go below an installation root, at the paths the library asks the host for.
set(VX_INSTALL_ROOTDIR ${CMAKE_INSTALL_DATADIR}/vxqtgui)

# Public headers keep their paths in the tree ("engine/VXBridge.h"). The toolkit's are the
# external interfaces and what they include; tests/packaging/CheckExports.cmake keeps the
# exported symbols to the same set.
set(VX_PUBLIC_HEADERS
    engine/DebugMapPair.h
    engine/HostFunctions.h
    engine/VXAction.h
    engine/VXBaseClass.h
    engine/VXBridge.h
    engine/VXButton.h
    engine/VXCheckBox.h
    engine/VXComboBox.h
    engine/VXDebugOutputLogging.h
    engine/VXDialog.h
    engine/VXEdit.h
    engine/VXEditArea.h
    engine/VXEvent.h
    engine/VXEventCatalogue.def
    engine/VXEventCatalogue.h
    engine/VXEventMouse.h
    engine/VXEventType.h
    engine/VXGridLayout.h
    engine/VXGroupBox.h
    engine/VXGroupedRadioButton.h
    engine/VXGuiQueueThrottle.h
    engine/VXHBoxLayout.h
    engine/VXHyperLink.h
    engine/VXImage.h
    engine/VXImageCheckBox.h
    engine/VXListener.h
    engine/VXMessageCatalogue.def
    engine/VXModelExplorer.h
    engine/VXObject.h
    engine/VXPanel.h
    engine/VXPopupMenu.h
    engine/VXProgressBar.h
    engine/VXProgressDialog.h
    engine/VXRadioButton.h
    engine/VXScrollView.h
    engine/VXSearchBar.h
    engine/VXSearchPanel.h
    engine/VXSlider.h
    engine/VXSplitter.h
    engine/VXSpreadSheet.h
    engine/VXTab.h
    engine/VXTabBar.h
    engine/VXText.h
    engine/VXTextBrowser.h
    engine/VXThrottledEmitter.h
    engine/VXTogglePanel.h
    engine/VXToolBar.h
    engine/VXVBoxLayout.h
    engine/VXVersion.h
    engine/VXWebBrowser.h
    engine/VXWidget.h
    engine/VXWidgetStack.h
    engine/VXWindow.h
    engine/modelexplorer/UDInterface.h
    engine/modelexplorer/VXEventBoolArray.h
    engine/modelexplorer/VXEventIntArray.h
    engine/modelexplorer/VXEventMouseUDI.h
    engine/modelexplorer/VXEventRect.h
    engine/modelexplorer/VXEventUDI.h
    engine/modelexplorer/VXMECheckState.h
    engine/modelexplorer/VXMEEvent.h
    engine/modelexplorer/VXMEEventCreateObject.h
    engine/modelexplorer/VXMEEventData.h
    engine/modelexplorer/VXMEEventDataList.h
    engine/modelexplorer/VXMEEventStringList.h
    engine/modelexplorer/VXMENavigationAttributes.h
    engine/modelexplorer/VXMEObjectData.h
    engine/modelexplorer/VXMEObjectDataFactory.h
    engine/modelexplorer/VXMEObjectEventData.h
    engine/modelexplorer/VXMEObjectExtension.h
    engine/modelexplorer/VXMEObjectMessageData.h
    engine/modelexplorer/VXMEObjectPropnameEventData.h
    engine/modelexplorer/VXMEViewAttributes.h
    engine/modelexplorer/VXOptions.h
    engine/modelexplorer/VXPropertyAttribute.h
    fonts/FixedFontMetrics.h
    fonts/FontInfo.h
    fonts/TextExtents.h
    messaging/VXMessageType.h
    vx_qtgui/GuiEventTypes.h
    vx_qtgui/GuiLookup.h
    vx_qtgui/GuiObject.h)
set(VX_VRIX_HEADERS
    vrix/AtomicCounter.h
    vrix/BlockArena.h
    vrix/Color.h
    vrix/DpiScaled.h
    vrix/DropAction.h
    vrix/DpiScaling.h
    vrix/ErrorHolder.h
    vrix/Font.h
    vrix/FontEnums.h
    vrix/FontNames.h
    vrix/Holder.h
    vrix/ImageOperations.h
    vrix/Mutex.h
    vrix/Orientation.h
    vrix/PreferenceStore.h
    vrix/ReadWriteLock.h
    vrix/ReferencedTemplate.h
    vrix/SanitizerAnnotations.h
    vrix/StringID.h
    vrix/VXFlags.h
    vrix/VXPoint.h
    vrix/VXPreferences.h
    vrix/VXRect.h
    vrix/VXStringList.h
    vrix/VXUStringList.h
    vrix/gui/ImageCompositor.h
    vrix/gui/ImageCompositorManager.h
    vrix/gui/ImageCompositorNode.h
    vrix/gui/PixmapLoading.h
    vrix/services/ApplicationContext.h
    vrix/services/EventManagement.h
    vrix/services/Service.h
    vrix/services/ServiceRegistry.h
    vrix/services/Translation.h
    vrix/vxim/BlockPool.h
    vrix/vxim/Connect.h
    vrix/vxim/Connection.h
    vrix/vxim/Emitter.h
    vrix/vxim/EmitterBase.h
    vrix/vxim/Listener.h
    vrix/vxim/Packet.h
    vrix/vxim/Payload.h
    vrix/vxim/Rendezvous.h
    vrix/vxim/SendMode.h
    vrix/vxim/SingleEmitter.h
    vrix/vxim/Thread.h
    vrix/vxim/TypedEmitter.h)
set(VX_HOST_HEADERS
    host/ExportedHostFunctions.h
    host/FeatureRegistry.h
    host/Host.h
    host/HostEventManagement.h
    host/HostSettings.h
    host/Interpreter.h
    host/MainThreadQueue.h
    host/UserEvents.h
    host/zxArray.h)

foreach(header IN LISTS VX_PUBLIC_HEADERS VX_VRIX_HEADERS VX_HOST_HEADERS)
    get_filename_component(directory ${header} DIRECTORY)
    install(FILES ${PROJECT_SOURCE_DIR}/${header}
        DESTINATION ${VX_INSTALL_INCLUDEDIR}/${directory} COMPONENT Development)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/include/vxqtgui_export.h ${PROJECT_BINARY_DIR}/host/include/vxhost_export.h
    DESTINATION ${VX_INSTALL_INCLUDEDIR} COMPONENT Development)

set_target_properties(vxqtgui vrix vrixgui vxhost PROPERTIES INSTALL_RPATH "$ORIGIN")
target_include_directories(vxhost PUBLIC $<INSTALL_INTERFACE:${VX_INSTALL_INCLUDEDIR}>)
install(TARGETS vxqtgui vrix vrixgui vxhost EXPORT vxqtguiTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Development)
install(EXPORT vxqtguiTargets NAMESPACE vxqtgui:: DESTINATION ${VX_INSTALL_CMAKEDIR}
    COMPONENT Development)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/vxqtguiConfig.cmake.in
    ${PROJECT_BINARY_DIR}/vxqtguiConfig.cmake INSTALL_DESTINATION ${VX_INSTALL_CMAKEDIR}
    PATH_VARS VX_INSTALL_ROOTDIR)
# 0.x: a new minor version may break the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vxqtguiConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vxqtguiConfig.cmake ${PROJECT_BINARY_DIR}/vxqtguiConfigVersion.cmake
    DESTINATION ${VX_INSTALL_CMAKEDIR} COMPONENT Development)

# pkg-config files locate the prefix from their own place, so a moved tree still works.
file(RELATIVE_PATH VX_PC_PREFIX ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig
    ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" VX_PC_PREFIX "${VX_PC_PREFIX}")
foreach(pc vxqtgui vxhost)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Development)
endforeach()

# Pictures (and Qt translations, under toolbox/shared/orvidesk/ja/, when there are any).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/toolbox DESTINATION ${VX_INSTALL_ROOTDIR}
    COMPONENT Runtime)

include(${PROJECT_SOURCE_DIR}/cmake/VXPackage.cmake)
