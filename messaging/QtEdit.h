#pragma once

#include "engine/VXEdit.h"
#include "messaging/QtPeer.h"

/// Peer of VXEdit: every operation becomes a message to its GuiEdit. Engine thread.
class QtEdit : public QtPeer<VXEdit> {
public:
    explicit QtEdit(VXWidget* parent);

    void setText(const char* text) override;
    void setTextU(const std::u16string& text) override;
    void imSetText(const char* text) override;
    void imSetTextU(const std::u16string& text) override;
    std::string getText() override;
    std::u16string getTextU() override;
    void setPlaceholderText(const char* text) override;
    std::u16string getPlaceholderText() override;
    void setClearable(bool clearable) override;
    void setEchoMode(bool password) override;
    bool getEchoMode() override;
    void setUseCustomContextMenu(bool use) override;
    void setCustomContextMenu(VXPopupMenu* menu) override;
    VRIX::VXPoint<int> imFindLabelPosition(VXText* label) override;
    VRIX::VXPoint<int> imGetPosition() override;
    std::u16string imGetFontFamily() override;
    int imGetFontSize() override;

    void enableAutoComplete(bool enable) override;
    void setAutoCompleteView(VXUStringList* list) override;
    void setAutoCompleteData(
        std::list<VXMEObjectData*>* records, const std::u16string& prefix, bool refresh) override;
    void setAutoCompleteMatchOption(int option) override;
    void setAutoCompleteCompletionMode(int mode) override;
    int fillVectorWithAutoCompleteText(std::vector<void*>* out) override;

    void setWidgethighlight(bool on, int red, int green, int blue, int alpha) override;
};
