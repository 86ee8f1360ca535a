#include "engine/VXListener.h"

#include <unordered_map>

namespace {
// Engine thread only. How many times each live listener is listed: validity is asked for every
// notified registration, so it is a hash look-up rather than a walk of every listener.
std::unordered_map<VXListener*, int>& allValidListeners()
{
    static std::unordered_map<VXListener*, int> listeners;
    return listeners;
}
} // namespace

VXListener::VXListener()
{
    addToListOfListeners(this);
}

VXListener::~VXListener()
{
    removeFromListOfListeners(this);
}

void VXListener::addToListOfListeners(VXListener* listener)
{
    if (!listener)
        return; // never valid, so never listed
    ++allValidListeners()[listener];
}

void VXListener::removeFromListOfListeners(VXListener* listener)
{
    if (!listener)
        return;
    auto& all = allValidListeners();
    auto it = all.find(listener);
    if (it != all.end() && --it->second <= 0)
        all.erase(it);
}

bool VXListener::isListenerValid(VXListener* listener)
{
    if (!listener)
        return false;
    return allValidListeners().count(listener) != 0;
}
