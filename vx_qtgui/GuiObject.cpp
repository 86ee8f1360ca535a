#include "vx_qtgui/GuiObject.h"

GuiObject::~GuiObject() = default;
