#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a combo box; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXComboBox : public VXWidget {
public:
    explicit VXComboBox(VXWidget* parent);
    ~VXComboBox() override;

protected:
    // State of the combo-box peer, false until it says otherwise.
    bool m_flag = false;
};
