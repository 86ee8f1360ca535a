#include "engine/modelexplorer/VXAlias.h"

#include <map>
#include <sstream>

namespace {

// Each row: a key followed by its aliases.
const char* const kBuiltIn[] = {
    "HeaderFile CoderInfo.CustomAttributes.HeaderFile RZKInfo.CustomAttributes.HeaderFile",
    "BlocksPerFrame blksPerFrame",
    "FrameSize sampPerFrame",
    "PhaseOffset Ph phaseOffset",
    "PulseLength pulseLen",
    "ModulationOrder M Mnum",
    "SamplesPerSymbol nSamp numSamp numsamp samplesPerSymbol sampPerSymb sampPerSymbol",
    "SampleTime SampTime sampTime samptime simTs ts Ts",
    "Seed s seed",
    "SymbolSetOrdering Dec Enc mappingType",
    "SymbolSetSize mul",
    "SamplesPerFrame FrameSample nsamps SampFrame spf",
    "SaturateOnOverflow SaturateOnIntegerOverflow overflowMode DoSatur",
    "Rounding RndMeth roundingMode",
    "OutputDataTypeMode outputMode dataType",
    "TestPoint testPoint testpoint",
    "SignalPropagation signalPropagation",
    "LastSaved LastModifiedDate",
};

struct Tables {
    std::map<std::string, std::string> aliasToKey;
    std::multimap<std::string, std::string> keyToAlias;
    std::multimap<std::string, std::string>::const_iterator cursor;
    bool cursorValid = false;
    bool built = false;
};

Tables& tables()
{
    static Tables t;
    return t;
}

} // namespace

VXAlias::VXAlias()
{
    Tables& t = tables();
    if (t.built)
        return;
    t.built = true;
    for (const char* row : kBuiltIn) {
        std::istringstream words(row);
        std::string key;
        words >> key;
        for (std::string alias; words >> alias;)
            addKeyAliasPair(key, alias);
    }
}

void VXAlias::addKeyAliasPair(const std::string& key, const std::string& alias)
{
    Tables& t = tables();
    t.aliasToKey.emplace(alias, key);
    t.keyToAlias.emplace(key, alias);
}

std::string VXAlias::getKey(const std::string& name)
{
    const Tables& t = tables();
    const auto found = t.aliasToKey.find(name);
    return found == t.aliasToKey.end() ? name : found->second;
}

const char* VXAlias::getFirstAlias(const std::string& key)
{
    Tables& t = tables();
    t.cursor = t.keyToAlias.find(key);
    t.cursorValid = t.cursor != t.keyToAlias.end();
    return t.cursorValid ? t.cursor->second.c_str() : nullptr;
}

const char* VXAlias::getNextAlias()
{
    Tables& t = tables();
    if (!t.cursorValid)
        return nullptr;
    const std::string& key = t.cursor->first;
    ++t.cursor;
    if (t.cursor == t.keyToAlias.end() || t.cursor->first != key) {
        t.cursorValid = false;
        return nullptr;
    }
    return t.cursor->second.c_str();
}

std::vector<std::string>* VXAlias::getAllAliases()
{
    auto* all = new std::vector<std::string>;
    all->reserve(tables().aliasToKey.size());
    for (const auto& entry : tables().aliasToKey)
        all->push_back(entry.first);
    return all;
}
