#include "vx_qtgui/GuiObject.h"

#include "vx_qtgui/GuiApplication.h"

GuiObject::~GuiObject()
{
    GuiApplication::forgetObject(this);
}
