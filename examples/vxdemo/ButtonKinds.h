#pragma once

class KindTable;

/// Push button, check box, radio buttons and the image check box.
class ButtonKinds {
public:
    static void addTo(KindTable& table);
};
