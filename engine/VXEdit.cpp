#include "engine/VXEdit.h"

VXEdit::VXEdit(VXWidget* parent)
{
    setParent(parent);
}

VXEdit::~VXEdit()
{
    disconnect();
}
