#include "tests/modelexplorer/ExplorerTestRecords.h"

#include "vrix/VXUStringList.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::atomic<int> CountedRecord::alive { 0 };

CountedRecord::CountedRecord(UDInterface* object)
    : VXMEObjectMessageData(object)
{
    ++alive;
}

CountedRecord::~CountedRecord()
{
    --alive;
}

RecordsFreed::~RecordsFreed()
{
    EXPECT_EQ(CountedRecord::alive, 0) << "a record leaked or was freed twice";
}

UDInterface* handle(std::uintptr_t id)
{
    return reinterpret_cast<UDInterface*>(id * 16);
}

VXMEObjectMessageData* makeRecord(std::uintptr_t id, std::initializer_list<const char16_t*> values,
    const std::u16string& sortKey, const std::u16string& groupName)
{
    auto* record = new CountedRecord(handle(id));
    record->listValues = new VXUStringList;
    for (const char16_t* v : values)
        record->listValues->addElement(v);
    record->sortKey = sortKey;
    record->groupName = groupName;
    return record;
}

std::string takeText(char* text)
{
    const std::string out = text ? text : "<null>";
    std::free(text);
    return out;
}

std::vector<std::u16string> takeListTexts(std::vector<void*>& answer, int* rows, int* columns)
{
    std::vector<std::u16string> texts;
    *rows = *columns = -1;
    for (std::size_t i = 0; i < answer.size(); ++i) {
        if (i < 2) {
            *(i ? columns : rows) = *static_cast<int*>(answer[i]);
            delete static_cast<int*>(answer[i]);
        } else {
            texts.emplace_back(static_cast<char16_t*>(answer[i]));
            delete[] static_cast<char16_t*>(answer[i]);
        }
    }
    answer.clear();
    return texts;
}
