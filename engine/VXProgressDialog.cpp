#include "engine/VXProgressDialog.h"

VXProgressDialog::VXProgressDialog(const char* bridgeName, VXWidget* parent)
    : m_bridgeName(bridgeName ? bridgeName : "")
{
    setParent(parent);
}

VXProgressDialog::~VXProgressDialog()
{
    disconnect();
}
