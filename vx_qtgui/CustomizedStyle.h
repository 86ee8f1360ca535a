#pragma once

#include "vx_qtgui/ForceIconSize.h"
#include "vx_qtgui/PolicyBasedStyle.h"
#include "vx_qtgui/TabCustomize.h"
#include "vx_qtgui/ToolBarCustomize.h"

/// The application's style over a platform base style: 16-unit tool bar icons, slim tool bar,
/// own tab close buttons. GUI thread.
using CustomizedStyle = PolicyBasedStyle<ForceIconSize<16>, ToolBarCustomize, TabCustomize>;

/// The same operations left to the base style.
using PlainPolicyStyle = PolicyBasedStyle<QProxyStyle, QProxyStyle, QProxyStyle>;
