#pragma once

#include <map>
#include <mutex>
#include <string>

namespace VRIX {

/// Boolean preferences by group and key, optionally persisted to one file in a directory.
/// Any thread: every operation takes the store's one mutex (file writes included, so the
/// file always holds the state after the last change).
///
/// File format: a "[group]" line opens each group, then one "key=true" or "key=false" line
/// per preference. Keys may contain "=" (the last one separates the value); groups and keys
/// holding a line break are kept in memory but not written. Unreadable lines are skipped.
class PreferenceStore {
public:
    static constexpr const char* fileName = "vxpreferences.prefs";

    PreferenceStore() = default;
    PreferenceStore(const PreferenceStore&) = delete;
    PreferenceStore& operator=(const PreferenceStore&) = delete;

    /// `defaultValue` when the preference was never set.
    bool getBool(const std::string& group, const std::string& key, bool defaultValue) const;
    /// Returns false when the store is persisted and the file could not be written; the value
    /// is held in memory either way.
    bool setBool(const std::string& group, const std::string& key, bool value);
    bool contains(const std::string& group, const std::string& key) const;

    /// Persists to `directory`/fileName from now on (created on first write). What the file
    /// already holds is merged over the values held, the file winning. An empty directory
    /// detaches the store from any file. Returns false when an existing file could not be read.
    bool setDirectory(const std::string& directory);
    /// Empty when not persisted.
    std::string filePath() const;

    /// Forgets every value (the file is left alone until the next change) and detaches.
    void reset();

private:
    using Groups = std::map<std::string, std::map<std::string, bool>>;

    static bool readFile(const std::string& path, Groups& into);
    static bool writeFile(const std::string& path, const Groups& groups);

    mutable std::mutex m_mutex;
    Groups m_groups;
    std::string m_path;
};

} // namespace VRIX
