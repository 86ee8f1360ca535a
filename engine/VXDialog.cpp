#include "engine/VXDialog.h"

VXDialog::VXDialog() = default;

VXDialog::~VXDialog()
{
    disconnect();
}
