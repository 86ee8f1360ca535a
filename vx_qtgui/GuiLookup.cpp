#include "vx_qtgui/GuiLookup.h"

#include "engine/VXObject.h"
#include "vx_qtgui/GuiApplication.h"

GuiObject* lookup(VXObject* object)
{
    if (!object)
        return nullptr;
    // Only a live proxy is asked its kind; a stale address is still a valid key for the
    // pointer registry (its widget may not be destroyed yet).
    const unsigned id = VXObject::findUID(object);
    if (id != 0 && object->registryKind() == VXObject::RegisteredById)
        return GuiApplication::getWidget(id);
    return GuiApplication::findWidget(object);
}

GuiObject* lookup(unsigned id)
{
    return GuiApplication::getWidget(id);
}

void addObject(unsigned id, GuiObject* object)
{
    GuiApplication::putWidget(id, object);
}

void removeObject(unsigned id)
{
    GuiApplication::removeObject(id);
}

VXIM::Emitter<void(), VXIM::KeepAll>* getApplicationActivatedEmitter()
{
    GuiApplication* app = GuiApplication::current();
    return app ? &app->applicationActivatedEmitter() : nullptr;
}

namespace VRIX {

GuiObject* lookup(VXObject* object)
{
    return ::lookup(object);
}

GuiObject* lookup(unsigned id)
{
    return ::lookup(id);
}

void addObject(unsigned id, GuiObject* object)
{
    ::addObject(id, object);
}

void removeObject(unsigned id)
{
    ::removeObject(id);
}

VXIM::Emitter<void(), VXIM::KeepAll>* getApplicationActivatedEmitter()
{
    return ::getApplicationActivatedEmitter();
}

} // namespace VRIX
