#include "messaging/VXIMMessageBlocker.h"

#include "engine/EngineThreadScheduler.h"

VXIMMessageBlocker::VXIMMessageBlocker()
{
    messageBlocked = true;
}

VXIMMessageBlocker::~VXIMMessageBlocker()
{
    messageBlocked = false;
    tickleVELMARThread();
}
