#pragma once

class KindTable;

/// Edit field, edit area, text label, slider, image and hyperlink.
class TextKinds {
public:
    static void addTo(KindTable& table);
};
