#pragma once

#include "engine/modelexplorer/VXMEObjectMessageData.h"

#include <atomic>
#include <initializer_list>
#include <string>
#include <vector>

/// A record that counts how many of its kind are alive, so tests can see every one freed once.
/// The engine thread builds records while the GUI thread frees those handed over before.
class CountedRecord : public VXMEObjectMessageData {
public:
    explicit CountedRecord(UDInterface* object);
    ~CountedRecord() override;
    static std::atomic<int> alive;
};

/// A fixture's first member: zeroes the count of live records and, destroyed after every other
/// member, fails the test if one leaked or was freed twice.
struct RecordsFreed {
    RecordsFreed() { CountedRecord::alive = 0; }
    ~RecordsFreed();
};

/// A record list that frees the records it still holds when it goes; moved, never copied.
struct OwnedRecords : VXMEObjectDataList {
    using VXMEObjectDataList::VXMEObjectDataList;
    OwnedRecords() = default;
    OwnedRecords(OwnedRecords&& other) noexcept { swap(other); }
    ~OwnedRecords()
    {
        for (VXMEObjectData* r : *this)
            delete r;
    }
};

/// A fake host handle: tests only compare the pointers.
UDInterface* handle(std::uintptr_t id);

/// A list row record with values (and optional attributes) of the object `id`.
VXMEObjectMessageData* makeRecord(std::uintptr_t id, std::initializer_list<const char16_t*> values,
    const std::u16string& sortKey = u"", const std::u16string& groupName = u"");

/// Takes a text the caller must free and frees it; "<null>" for none.
std::string takeText(char* text);

/// Takes a list text query's answer (row count, column count, then titles and cells, all owned
/// by the caller) apart and frees it: the titles and cells, with the counts in `rows` and
/// `columns`.
std::vector<std::u16string> takeListTexts(std::vector<void*>& answer, int* rows, int* columns);
