#include "engine/VXProgressBar.h"

VXProgressBar::VXProgressBar(const char* bridgeName, VXWidget* parent)
    : m_bridgeName(bridgeName ? bridgeName : "")
{
    setParent(parent);
}

VXProgressBar::~VXProgressBar()
{
    disconnect();
}
