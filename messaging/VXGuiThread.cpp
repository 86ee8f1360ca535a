#include "messaging/VXGuiThread.h"

namespace {
VXGuiThread::Factory s_factory = nullptr;
}

VXGuiThread::~VXGuiThread() = default;

void VXGuiThread::setFactory(Factory factory)
{
    s_factory = factory;
}

VXGuiThread* VXGuiThread::create(unsigned long flags)
{
    return s_factory ? s_factory(flags) : nullptr;
}
