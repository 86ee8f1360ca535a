#include "vrix/PreferenceStore.h"
#include "vrix/VXPreferences.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using VRIX::PreferenceStore;

class PreferenceStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vxprefs-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    std::string file() const { return (m_dir / PreferenceStore::fileName).string(); }
    std::string readFile() const
    {
        std::ifstream in(file(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeFile(const std::string& text) const
    {
        std::ofstream(file(), std::ios::binary) << text;
    }

    fs::path m_dir;
};

TEST_F(PreferenceStoreTest, PersistedValuesComeBackInANewStore)
{
    {
        PreferenceStore writer;
        ASSERT_TRUE(writer.setDirectory(m_dir.string()));
        EXPECT_TRUE(writer.setBool("Explorer", "view_MarkUnrelatedProperties", true));
        EXPECT_TRUE(writer.setBool("Explorer", "a=b", false)); // "=" inside a key
        EXPECT_TRUE(writer.setBool("Search [x]", "s_DeepSearch", false));
        EXPECT_TRUE(writer.setBool("", "top", true));
        // Names with line breaks stay in memory only.
        writer.setBool("Explorer", "two\nlines", true);
        writer.setBool("G\r", "k", true);
        EXPECT_TRUE(writer.getBool("Explorer", "two\nlines", false));
    }
    EXPECT_EQ(readFile(),
        "[]\ntop=true\n"
        "[Explorer]\na=b=false\nview_MarkUnrelatedProperties=true\n"
        "[Search [x]]\ns_DeepSearch=false\n");

    PreferenceStore reader;
    ASSERT_TRUE(reader.setDirectory(m_dir.string()));
    EXPECT_TRUE(reader.getBool("Explorer", "view_MarkUnrelatedProperties", false));
    EXPECT_FALSE(reader.getBool("Explorer", "a=b", true));
    EXPECT_FALSE(reader.getBool("Search [x]", "s_DeepSearch", true));
    EXPECT_TRUE(reader.getBool("", "top", false));
    EXPECT_FALSE(reader.contains("Explorer", "a"));
}

TEST_F(PreferenceStoreTest, JunkLinesAreSkippedAndCrLfIsAccepted)
{
    writeFile("orphan=true\r\n"
              "garbage\n"
              "[G]\r\n"
              "k1=yes\n"
              "k2=false\r\n"
              "=true\n"
              "[unterminated\n"
              "k3=true\n");
    PreferenceStore store;
    ASSERT_TRUE(store.setDirectory(m_dir.string()));
    EXPECT_TRUE(store.getBool("", "orphan", false)); // before any group: the empty group
    EXPECT_FALSE(store.contains("G", "k1"));
    EXPECT_FALSE(store.getBool("G", "k2", true));
    EXPECT_TRUE(store.getBool("G", "", false));
    EXPECT_TRUE(store.getBool("G", "k3", false)); // a broken group line does not end "G"
    EXPECT_FALSE(store.contains("G", "garbage"));
}

TEST_F(PreferenceStoreTest, UnsetKeysGiveTheDefaultAndFileValuesWinOverHeldOnes)
{
    writeFile("[G]\nshared=true\n");
    PreferenceStore store;
    EXPECT_TRUE(store.filePath().empty());
    EXPECT_TRUE(store.getBool("G", "shared", true));
    EXPECT_FALSE(store.getBool("G", "shared", false));
    EXPECT_TRUE(store.setBool("G", "shared", false));
    EXPECT_FALSE(store.getBool("G", "shared", true));
    store.setBool("G", "mine", true);
    EXPECT_FALSE(store.getBool("Other", "mine", false)) << "groups are separate";
    EXPECT_FALSE(store.contains("Other", "mine"));
    ASSERT_TRUE(store.setDirectory(m_dir.string()));
    EXPECT_TRUE(store.getBool("G", "shared", false));
    EXPECT_TRUE(store.getBool("G", "mine", false));
    store.setBool("G", "later", false);
    EXPECT_EQ(readFile(), "[G]\nlater=false\nmine=true\nshared=true\n");
}

TEST_F(PreferenceStoreTest, AFailedWriteIsReportedButHeldAndAMissingDirectoryIsMade)
{
    const fs::path blocker = m_dir / "not-a-directory";
    std::ofstream(blocker) << "x";
    PreferenceStore store;
    ASSERT_TRUE(store.setDirectory(blocker.string()));
    EXPECT_FALSE(store.setBool("G", "k", true));
    EXPECT_TRUE(store.getBool("G", "k", false));

    // A directory that does not exist yet is made on the first write.
    const fs::path nested = m_dir / "a" / "b";
    ASSERT_TRUE(store.setDirectory(nested.string()));
    EXPECT_TRUE(store.setBool("G", "k", true));
    EXPECT_TRUE(fs::exists(nested / PreferenceStore::fileName));
    EXPECT_FALSE(fs::exists(nested / (std::string(PreferenceStore::fileName) + ".tmp")));
}

TEST_F(PreferenceStoreTest, ConcurrentWritersLoseNothingInMemoryOrOnDisk)
{
    PreferenceStore store;
    ASSERT_TRUE(store.setDirectory(m_dir.string()));
    constexpr int threadCount = 4;
    constexpr int keyCount = 25;
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([t, &store] {
            for (int k = 0; k < keyCount; ++k)
                store.setBool("T" + std::to_string(t), "k" + std::to_string(k), k % 2 == 0);
        });
    }
    for (auto& thread : threads)
        thread.join();
    PreferenceStore reread;
    ASSERT_TRUE(reread.setDirectory(m_dir.string()));
    for (int t = 0; t < threadCount; ++t) {
        for (int k = 0; k < keyCount; ++k) {
            const std::string group = "T" + std::to_string(t);
            const std::string key = "k" + std::to_string(k);
            ASSERT_TRUE(reread.contains(group, key)) << group << "/" << key;
            EXPECT_EQ(reread.getBool(group, key, k % 2 != 0), k % 2 == 0);
            EXPECT_EQ(store.getBool(group, key, k % 2 != 0), k % 2 == 0);
        }
    }
}

TEST_F(PreferenceStoreTest, ProcessWideStoreBacksTheStaticAccessors)
{
    VXPreferences::store().reset();
    EXPECT_TRUE(VXPreferences::getBoolPref("Explorer", "p_RegularExpression", true));
    ASSERT_TRUE(VXPreferences::store().setDirectory(m_dir.string()));
    VXPreferences::setBoolPref("Explorer", "p_RegularExpression", false);
    EXPECT_FALSE(VXPreferences::getBoolPref("Explorer", "p_RegularExpression", true));
    EXPECT_EQ(readFile(), "[Explorer]\np_RegularExpression=false\n");
    VXPreferences::store().reset();
    EXPECT_TRUE(VXPreferences::getBoolPref("Explorer", "p_RegularExpression", true));
}

} // namespace
