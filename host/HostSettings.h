#pragma once

#include "vxhost_export.h"

#include <mutex>
#include <set>
#include <string>

namespace VXHost {

/// What the host reports about its installation and mode through the sv… functions. Any
/// thread. Every text handed out stays valid for the life of the process, even after a change.
class VXHOST_EXPORT HostSettings {
public:
    static HostSettings& instance();

    HostSettings(const HostSettings&) = delete;
    HostSettings& operator=(const HostSettings&) = delete;

    /// The override set here, else $VX_ROOT, else the repository's resources/ directory.
    const char* root();
    /// Null or empty clears the override.
    void setRoot(const char* path);
    const char* release();
    /// Qt's plug-in directory.
    const char* binArchDir();
    /// A directory of this process under the temporary directory, made when `create` is set
    /// and removed at exit if this process made it.
    const char* preferencesDirectory(bool create);
    /// "UTF-8" unless changed; also the encoding fl::i18n::to_ustring reads.
    const char* characterSet();
    /// Null or empty restores "UTF-8".
    void setCharacterSet(const char* name);
    bool standaloneMode();
    void setStandaloneMode(bool on);
    /// Forced by setDisplayAvailable, else true when DISPLAY, WAYLAND_DISPLAY or
    /// QT_QPA_PLATFORM is set.
    bool displayAvailable();
    /// 1 or 0 forces the answer; -1 returns to the environment test.
    void setDisplayAvailable(int state);

private:
    HostSettings() = default;
    /// A copy of `text` that lives as long as the process; needs m_mutex held.
    const char* intern(const std::string& text);

    std::mutex m_mutex;
    std::set<std::string> m_texts;
    std::string m_root;
    std::string m_characterSet = "UTF-8";
    bool m_standalone = false;
    int m_display = -1;
};

} // namespace VXHost
