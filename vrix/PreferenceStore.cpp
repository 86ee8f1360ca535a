#include "vrix/PreferenceStore.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace VRIX {

namespace {

bool endsWith(const std::string& s, const char* suffix, std::size_t length)
{
    return s.size() >= length && s.compare(s.size() - length, length, suffix) == 0;
}

bool persistable(const std::string& s)
{
    return s.find_first_of("\r\n") == std::string::npos;
}

} // namespace

bool PreferenceStore::getBool(
    const std::string& group, const std::string& key, bool defaultValue) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto g = m_groups.find(group);
    if (g == m_groups.end())
        return defaultValue;
    auto k = g->second.find(key);
    return k == g->second.end() ? defaultValue : k->second;
}

bool PreferenceStore::setBool(const std::string& group, const std::string& key, bool value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_groups[group][key] = value;
    return m_path.empty() || writeFile(m_path, m_groups);
}

bool PreferenceStore::contains(const std::string& group, const std::string& key) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto g = m_groups.find(group);
    return g != m_groups.end() && g->second.count(key) != 0;
}

bool PreferenceStore::setDirectory(const std::string& directory)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (directory.empty()) {
        m_path.clear();
        return true;
    }
    m_path = (std::filesystem::path(directory) / fileName).string();
    std::error_code error;
    if (!std::filesystem::exists(m_path, error))
        return !error;
    return readFile(m_path, m_groups);
}

std::string PreferenceStore::filePath() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_path;
}

void PreferenceStore::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_groups.clear();
    m_path.clear();
}

bool PreferenceStore::readFile(const std::string& path, Groups& into)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    Groups loaded;
    std::string group;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // A value line ends in "=true"/"=false" and a group line in "]", so the two forms
        // never overlap whatever the names contain.
        const bool isTrue = endsWith(line, "=true", 5);
        if (isTrue || endsWith(line, "=false", 6)) {
            loaded[group][line.substr(0, line.size() - (isTrue ? 5 : 6))] = isTrue;
        } else if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
        }
    }
    if (in.bad())
        return false;
    for (auto& [name, values] : loaded) {
        for (auto& [key, value] : values)
            into[name][key] = value;
    }
    return true;
}

bool PreferenceStore::writeFile(const std::string& path, const Groups& groups)
{
    const std::filesystem::path target(path);
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    // Write aside and rename, so a crash mid-write never leaves a truncated file.
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        for (const auto& [name, values] : groups) {
            if (!persistable(name))
                continue;
            out << '[' << name << "]\n";
            for (const auto& [key, value] : values) {
                if (persistable(key))
                    out << key << (value ? "=true\n" : "=false\n");
            }
        }
        out.flush();
        if (!out)
            return false;
    }
    std::filesystem::rename(temporary, target, error);
    return !error;
}

} // namespace VRIX
