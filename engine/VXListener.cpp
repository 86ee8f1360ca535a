#include "engine/VXListener.h"

#include <algorithm>
#include <vector>

namespace {
// Engine thread only, in creation order.
std::vector<VXListener*>& allValidListeners()
{
    static std::vector<VXListener*> listeners;
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
    allValidListeners().push_back(listener);
}

void VXListener::removeFromListOfListeners(VXListener* listener)
{
    if (!listener)
        return;
    auto& all = allValidListeners();
    auto it = std::find(all.begin(), all.end(), listener);
    if (it != all.end())
        all.erase(it);
}

bool VXListener::isListenerValid(VXListener* listener)
{
    if (!listener)
        return false;
    const auto& all = allValidListeners();
    return std::find(all.begin(), all.end(), listener) != all.end();
}
