#pragma once

namespace VRIX {

/// What a drop target accepts; combined in a VXFlags<DropAction>. The values are the bits the
/// GUI side's drag and drop uses, so a word passes through unchanged.
enum DropAction : unsigned {
    IgnoreAction = 0x0,
    CopyAction = 0x1,
    MoveAction = 0x2,
    LinkAction = 0x4,
};

} // namespace VRIX
