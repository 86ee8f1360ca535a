// Property-name aliases and the search options kept in the preference store.
#include "engine/modelexplorer/VXAlias.h"
#include "engine/modelexplorer/VXSearchOptions.h"
#include "vrix/VXPreferences.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using testing::ElementsAre;

namespace {

std::vector<std::string> aliasesOf(const std::string& key)
{
    std::vector<std::string> out;
    for (const char* alias = VXAlias::getFirstAlias(key); alias; alias = VXAlias::getNextAlias())
        out.emplace_back(alias);
    return out;
}

TEST(AliasTest, KeysAliasesInRowOrderFirstRowWinsAndTheSortedList)
{
    const VXAlias built;
    const struct {
        const char* name;
        const char* key;
    } cases[] = {
        { "Ts", "SampleTime" },
        { "ts", "SampleTime" },
        { "RZKInfo.CustomAttributes.HeaderFile", "HeaderFile" },
        { "M", "ModulationOrder" },
        { "LastModifiedDate", "LastSaved" },
        { "SampleTime", "SampleTime" },
        { "NoSuchProperty", "NoSuchProperty" },
        { "", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(VXAlias::getKey(c.name), c.key) << c.name;

    EXPECT_THAT(aliasesOf("SampleTime"),
        ElementsAre("SampTime", "sampTime", "samptime", "simTs", "ts", "Ts"));
    EXPECT_THAT(aliasesOf("SymbolSetSize"), ElementsAre("mul"));
    EXPECT_TRUE(aliasesOf("Unknown").empty());
    EXPECT_EQ(VXAlias::getNextAlias(), nullptr) << "the cursor stays past the end";

    VXAlias::addKeyAliasPair("Other", "Ts");
    EXPECT_EQ(VXAlias::getKey("Ts"), "SampleTime");
    VXAlias::addKeyAliasPair("Gain", "K");
    EXPECT_EQ(VXAlias::getKey("K"), "Gain");
    const VXAlias again; // built once: a second construction adds nothing
    EXPECT_THAT(aliasesOf("SymbolSetSize"), ElementsAre("mul"));
    std::unique_ptr<std::vector<std::string>> all(VXAlias::getAllAliases());
    ASSERT_TRUE(all);
    EXPECT_TRUE(std::is_sorted(all->begin(), all->end()));
    EXPECT_EQ(std::count(all->begin(), all->end(), "Ts"), 1);
    EXPECT_NE(std::find(all->begin(), all->end(), "K"), all->end());
    EXPECT_EQ(std::find(all->begin(), all->end(), "SampleTime"), all->end()) << "keys are no alias";
}

TEST(SearchOptionsTest, DefaultsRoundTripAndKeysCarryThePrefix)
{
    VXSearchOptions options;
    EXPECT_TRUE(options.deepSearch);
    EXPECT_TRUE(options.regularExpression);
    EXPECT_FALSE(options.searchMasks || options.searchLinks || options.matchWholeString
        || options.matchCase || options.evaluateProperties || options.refineAnd);

    options.matchCase = true;
    options.deepSearch = false;
    options.refineAnd = true;
    options.saveToPreferences("SearchTest", "Bar1");
    EXPECT_TRUE(VXPreferences::getBoolPref("SearchTest", "Bar1_MatchCase", false));
    EXPECT_FALSE(VXPreferences::getBoolPref("SearchTest", "Bar1_DeepSearch", true));

    VXSearchOptions loaded;
    loaded.loadFromPreferences("SearchTest", "Bar1");
    EXPECT_TRUE(loaded.matchCase);
    EXPECT_FALSE(loaded.deepSearch);
    EXPECT_TRUE(loaded.refineAnd);
    EXPECT_TRUE(loaded.regularExpression);

    // Nothing stored under another prefix: the current values stay.
    VXSearchOptions untouched;
    untouched.searchLinks = true;
    untouched.loadFromPreferences("SearchTest", "Bar2");
    EXPECT_TRUE(untouched.searchLinks);
    EXPECT_TRUE(untouched.deepSearch);

    VXPreferences::setBoolPref("SearchTest", "Bar2_EvaluateProperties", true);
    untouched.loadFromPreferences("SearchTest", "Bar2");
    EXPECT_TRUE(untouched.evaluateProperties);
}

} // namespace
