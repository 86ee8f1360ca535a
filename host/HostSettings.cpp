#include "host/HostSettings.h"

#include <QLibraryInfo>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <dlfcn.h>
#include <unistd.h>

namespace VXHost {

namespace {

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// Removes the preferences directory this process made, when the process ends.
struct PreferencesCleanup {
    std::mutex mutex;
    std::filesystem::path made;
    ~PreferencesCleanup()
    {
        if (made.empty())
            return;
        std::error_code ignored;
        std::filesystem::remove_all(made, ignored);
    }
};
PreferencesCleanup preferencesCleanup;

// An installed stand-in finds the resources installed beside it; a build tree has none there.
std::string installedRoot()
{
    Dl_info info {};
    if (!dladdr(reinterpret_cast<void*>(&installedRoot), &info) || !info.dli_fname)
        return {};
    const std::filesystem::path root
        = std::filesystem::path(info.dli_fname).parent_path() / VXHOST_INSTALLED_ROOT;
    std::error_code error;
    if (!std::filesystem::is_directory(root / "toolbox", error))
        return {};
    return root.lexically_normal().string();
}

} // namespace

HostSettings& HostSettings::instance()
{
    // Never destroyed: the texts it handed out must outlive every caller.
    static HostSettings* settings = new HostSettings;
    return *settings;
}

const char* HostSettings::intern(const std::string& text)
{
    return m_texts.insert(text).first->c_str();
}

const char* HostSettings::root()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_root.empty())
        return intern(m_root);
    if (isSet("VX_ROOT"))
        return intern(std::getenv("VX_ROOT"));
    static const std::string installed = installedRoot();
    return installed.empty() ? VXHOST_DEFAULT_ROOT : intern(installed);
}

void HostSettings::setRoot(const char* path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_root = path ? path : "";
}

const char* HostSettings::release()
{
    return VXHOST_RELEASE;
}

const char* HostSettings::binArchDir()
{
    const std::string plugins = QLibraryInfo::location(QLibraryInfo::PluginsPath).toStdString();
    std::lock_guard<std::mutex> lock(m_mutex);
    return intern(plugins);
}

const char* HostSettings::preferencesDirectory(bool create)
{
    std::error_code error;
    std::filesystem::path directory = std::filesystem::temp_directory_path(error);
    if (error)
        directory = "/tmp";
    directory /= "vxhost-preferences-" + std::to_string(::getpid());
    if (create && std::filesystem::create_directories(directory, error)) {
        std::lock_guard<std::mutex> lock(preferencesCleanup.mutex);
        preferencesCleanup.made = directory;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    return intern(directory.string());
}

const char* HostSettings::characterSet()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return intern(m_characterSet);
}

void HostSettings::setCharacterSet(const char* name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_characterSet = name && *name ? name : "UTF-8";
}

bool HostSettings::standaloneMode()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_standalone;
}

void HostSettings::setStandaloneMode(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_standalone = on;
}

bool HostSettings::displayAvailable()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_display >= 0)
            return m_display != 0;
    }
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

void HostSettings::setDisplayAvailable(int state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_display = state < 0 ? -1 : (state ? 1 : 0);
}

} // namespace VXHost
