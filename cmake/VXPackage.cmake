# Debian packages (scripts/package.sh): the run-time library with its pictures, and the
# development files. Run-time dependencies come from dpkg-shlibdeps, so they name the Debian
# Qt 5 packages (and any Boost library) the binaries actually link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vxqtgui)
set(CPACK_PACKAGE_VENDOR "vxqtgui developers")
set(CPACK_PACKAGE_CONTACT "vxqtgui developers <vxqtgui@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Embeddable Qt 5 GUI toolkit driven from a host's engine thread")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debug information stays in the build tree.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)

set(VX_DEB_RUNTIME libvxqtgui${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${VX_DEB_RUNTIME})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libvxqtgui-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# The headers include Qt and Boost headers; the CMake package finds Qt 5 and Boost.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "${VX_DEB_RUNTIME} (= ${PROJECT_VERSION}), qtbase5-dev, libboost-dev")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "vxqtgui run-time libraries and pictures")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "vxqtgui headers, CMake package and pkg-config files")
include(CPack)
