#include "engine/VXDebugOutputLogging.h"

#include "engine/HostFunctions.h"
#include "engine/VXEventType.h"
#include "engine/VXTimingStatistics.h"

#include <algorithm>
#include <cstdarg>
#include <mutex>
#include <string>
#include <vector>

namespace {

const char* const UnknownEventID = "Unknown event ID";
const char* const UnknownMessageID = "Unknown message ID";

// Values of QtMsgType; this side of the library does not include Qt.
enum TraceQtMsgType { TraceQtDebugMsg = 0, TraceQtWarningMsg = 1, TraceQtFatalMsg = 3 };

VXTimingStatistics s_eventStatistics("EVENT", VXDebugOutputLogging::EventStatisticsInterval);
VXTimingStatistics s_messageStatistics("MESSAGE", VXDebugOutputLogging::MessageStatisticsInterval);

// Serialises writing against opening and closing: both threads trace, and the host may switch
// tracing off while the other thread is writing a line.
std::mutex s_fileMutex;

std::once_flag s_sortOnce;

std::string format(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), pattern, args);
        text.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return text;
}

const char* orEmpty(const char* text)
{
    return text ? text : "";
}

// "<label> - <id> <name>\n", with " (<ms> mS)" before the newline for a timed line.
void writeLine(const char* label, int id, const char* name, const double* ms)
{
    if (ms)
        VXDebugOutputLogging::output(
            format("%s - %d %s (%.3f mS)\n", orEmpty(label), id, name, *ms).c_str());
    else
        VXDebugOutputLogging::output(format("%s - %d %s\n", orEmpty(label), id, name).c_str());
}

} // namespace

bool VXDebugOutputLogging::m_isDebugEnabled = false;
FILE* VXDebugOutputLogging::m_file = nullptr;

// Kept in catalogue order; sorted by id on the first look-up.
DebugMapPair VXDebugOutputLogging::m_eventMap[EventMapSize] = {
    { "AsyncDiagnosticEchoEvent", static_cast<int>(AsyncDiagnosticEchoEvent) },
    { "ButtonPressEvent", static_cast<int>(ButtonPressEvent) },
    { "CheckBoxToggleEvent", static_cast<int>(CheckBoxToggleEvent) },
    { "CloseEvent", static_cast<int>(CloseEvent) },
    { "FontDecreaseEvent", static_cast<int>(FontDecreaseEvent) },
    { "FontIncreaseEvent", static_cast<int>(FontIncreaseEvent) },
    { "MouseMoveEvent", static_cast<int>(MouseMoveEvent) },
    { "ShowHideEvent", static_cast<int>(ShowHideEvent) },
    { "FocusEvent", static_cast<int>(FocusEvent) },
    { "ActionToggled", static_cast<int>(ActionToggled) },
    { "ActionTriggered", static_cast<int>(ActionTriggered) },
    { "CMBFocusLostEvent", static_cast<int>(CMBFocusLostEvent) },
    { "CMBFocusGainedEvent", static_cast<int>(CMBFocusGainedEvent) },
    { "CMBReturnPressedEvent", static_cast<int>(CMBReturnPressedEvent) },
    { "CMBSelectionChangedEvent", static_cast<int>(CMBSelectionChangedEvent) },
    { "CMBStringChangedEvent", static_cast<int>(CMBStringChangedEvent) },
    { "DLGCloseEvent", static_cast<int>(DLGCloseEvent) },
    { "DLGResizeEvent", static_cast<int>(DLGResizeEvent) },
    { "DLGApplyCloseEvent", static_cast<int>(DLGApplyCloseEvent) },
    { "EDITAREACtrlEnterEvent", static_cast<int>(EDITAREACtrlEnterEvent) },
    { "EDITAREAFocusLostEvent", static_cast<int>(EDITAREAFocusLostEvent) },
    { "EDITAREATextChangedEvent", static_cast<int>(EDITAREATextChangedEvent) },
    { "EDITAREATextEditDoneEvent", static_cast<int>(EDITAREATextEditDoneEvent) },
    { "EDITFocusLostEvent", static_cast<int>(EDITFocusLostEvent) },
    { "EDITReturnPressedEvent", static_cast<int>(EDITReturnPressedEvent) },
    { "EDITTextChangedEvent", static_cast<int>(EDITTextChangedEvent) },
    { "EDITTextEditDoneEvent", static_cast<int>(EDITTextEditDoneEvent) },
    { "VELMAREDITORTextChangedEvent", static_cast<int>(VELMAREDITORTextChangedEvent) },
    { "VELMAREDITORFocusLostEvent", static_cast<int>(VELMAREDITORFocusLostEvent) },
    { "GRBClickedEvent", static_cast<int>(GRBClickedEvent) },
    { "HYPClickedEvent", static_cast<int>(HYPClickedEvent) },
    { "IMGClickedEvent", static_cast<int>(IMGClickedEvent) },
    { "TABBARTabChangedEvent", static_cast<int>(TABBARTabChangedEvent) },
    { "WNDCloseEvent", static_cast<int>(WNDCloseEvent) },
    { "INFAlwaysOnTopToggleEvent", static_cast<int>(INFAlwaysOnTopToggleEvent) },
    { "INFClickMenuClickedEvent", static_cast<int>(INFClickMenuClickedEvent) },
    { "INFFocusMenuClickedEvent", static_cast<int>(INFFocusMenuClickedEvent) },
    { "TBZVGRefreshClickedEvent", static_cast<int>(TBZVGRefreshClickedEvent) },
    { "MEApplyDialogOnCloseEvent", static_cast<int>(MEApplyDialogOnCloseEvent) },
    { "MEClearIndicesEvent", static_cast<int>(MEClearIndicesEvent) },
    { "SSClickHyperlinkPropEvent", static_cast<int>(SSClickHyperlinkPropEvent) },
    { "MEColumnsReorderedEvent", static_cast<int>(MEColumnsReorderedEvent) },
    { "MECreateNewObjEvent", static_cast<int>(MECreateNewObjEvent) },
    { "MEGeometryChangedEvent", static_cast<int>(MEGeometryChangedEvent) },
    { "MEListDragStartEvent", static_cast<int>(MEListDragStartEvent) },
    { "MEListDropEvent", static_cast<int>(MEListDropEvent) },
    { "MEListDropQueryEvent", static_cast<int>(MEListDropQueryEvent) },
    { "SSGroupingChangedEvent", static_cast<int>(SSGroupingChangedEvent) },
    { "SSItemsDblClickedEvent", static_cast<int>(SSItemsDblClickedEvent) },
    { "SSSelectionChangedEvent", static_cast<int>(SSSelectionChangedEvent) },
    { "SSSortingChangedEvent", static_cast<int>(SSSortingChangedEvent) },
    { "MERightButtonClickedEvent", static_cast<int>(MERightButtonClickedEvent) },
    { "MESplittersMovedEvent", static_cast<int>(MESplittersMovedEvent) },
    { "MESubtreeReplaceRequest", static_cast<int>(MESubtreeReplaceRequest) },
    { "METabBarSelectionEvent", static_cast<int>(METabBarSelectionEvent) },
    { "METreeDragStartEvent", static_cast<int>(METreeDragStartEvent) },
    { "METreeDropEvent", static_cast<int>(METreeDropEvent) },
    { "METreeDropQueryEvent", static_cast<int>(METreeDropQueryEvent) },
    { "METreeExpandedEvent", static_cast<int>(METreeExpandedEvent) },
    { "METreeCollapsedEvent", static_cast<int>(METreeCollapsedEvent) },
    { "METreeNodeCheckboxStateChangedEvent",
        static_cast<int>(METreeNodeCheckboxStateChangedEvent) },
    { "METreeSelectionChangedEvent", static_cast<int>(METreeSelectionChangedEvent) },
    { "METreeItemDblClickedEvent", static_cast<int>(METreeItemDblClickedEvent) },
    { "MEUpdateDialogEvent", static_cast<int>(MEUpdateDialogEvent) },
    { "MEViewHyperlinkEvent", static_cast<int>(MEViewHyperlinkEvent) },
    { "MEViewSelectionChangedEvent", static_cast<int>(MEViewSelectionChangedEvent) },
    { "MEHeaderContextMenuEvent", static_cast<int>(MEHeaderContextMenuEvent) },
    { "SBSearchEvent", static_cast<int>(SBSearchEvent) },
    { "SBSearchTypeEvent", static_cast<int>(SBSearchTypeEvent) },
    { "SBValueEnteredEvent", static_cast<int>(SBValueEnteredEvent) },
    { "SBVisibilityChangedEvent", static_cast<int>(SBVisibilityChangedEvent) },
    { "TBVisibilityChangedEvent", static_cast<int>(TBVisibilityChangedEvent) },
    { "SPAddToFavoritesEvent", static_cast<int>(SPAddToFavoritesEvent) },
    { "SliderMovedEvent", static_cast<int>(SliderMovedEvent) },
    { "SSGetPendingDataEvent", static_cast<int>(SSGetPendingDataEvent) },
    { "SSItemsEditRequest", static_cast<int>(SSItemsEditRequest) },
    { "SSItemsChangedEvent", static_cast<int>(SSItemsChangedEvent) },
    { "InvalidEvent", static_cast<int>(InvalidEvent) },
};

DebugMapPair VXDebugOutputLogging::m_messageMap[MessageMapSize] = {
    { "SyncDiagnosticEchoMsg", 0 },
    { "AsyncDiagnosticEchoMsg", 1 },
    { "DestroyWidgetMsg", 2 },
    { "GenerateAssertionMsg", 3 },
    { "GenerateSEGVMsg", 4 },
    { "GetBackgroundColorMsg", 5 },
    { "GetClientGeometryMsg", 6 },
    { "GetForegroundColorMsg", 9 },
    { "GetGeometryMsg", 10 },
    { "HideMsg", 13 },
    { "IMGetWidgetCountMsg", 14 },
    { "IsEnabledMsg", 15 },
    { "IsVisibleMsg", 16 },
    { "QuitMsg", 18 },
    { "SetBackgroundColorMsg", 19 },
    { "SetClientGeometryMsg", 20 },
    { "SetEnableMsg", 21 },
    { "SetFocusMsg", 22 },
    { "SetFontMsg", 23 },
    { "SetForegroundColorMsg", 24 },
    { "SetGeometryMsg", 25 },
    { "SetMaximumSizeMsg", 26 },
    { "SetMinimumSizeMsg", 27 },
    { "SetRectMsg", 28 },
    { "SetShadowColorMsg", 29 },
    { "SetToolTipMsg", 30 },
    { "ShowGridMsg", 32 },
    { "ShowMinimizedMsg", 33 },
    { "ShowMaximizedMsg", 34 },
    { "ShowMsg", 35 },
    { "ShowNormalMsg", 36 },
    { "SetWidgetHighlightColorMsg", 37 },
    { "IsWidgetHighlightedMsg", 38 },
    { "IsVScrollBarVisibleMsg", 39 },
    { "IsHScrollBarVisibleMsg", 40 },
    { "ProgressBarCreateMsg", 47 },
    { "ProgressDialogCreateMsg", 48 },
    { "BTNClickMsg", 49 },
    { "BTNCreateMsg", 50 },
    { "BTNSetDefaultMsg", 52 },
    { "BTNSetIconMsg", 54 },
    { "BTNSetLabelMsg", 55 },
    { "BTNSetMenuMsg", 56 },
    { "BTNToggleMsg", 57 },
    { "CHKCreateMsg", 58 },
    { "CHKGetCheckMsg", 59 },
    { "CHKSetCheckMsg", 61 },
    { "CHKSetImCheckMsg", 62 },
    { "CHKSetLabelMsg", 63 },
    { "TXTAssignBuddyMsg", 64 },
    { "TXTCreateMsg", 65 },
    { "TXTGetTextMsg", 66 },
    { "TXTSetTextMsg", 67 },
    { "TXTWordWrapMsg", 68 },
    { "CMBCreateMsg", 69 },
    { "CMBGetCurrentItemMsg", 70 },
    { "CMBGetCurrentTextMsg", 71 },
    { "CMBInsertItemMsg", 73 },
    { "CMBInsertMultItemsMsg", 74 },
    { "CMBIsEditableMsg", 75 },
    { "CMBRemoveAllItemsMsg", 76 },
    { "CMBRemoveItemMsg", 77 },
    { "CMBSelectByStringMsg", 78 },
    { "CMBSelectMsg", 79 },
    { "CMBSetCurrentItemMsg", 80 },
    { "CMBSetCurrentTextMsg", 81 },
    { "CMBSetEditableMsg", 82 },
    { "CMBSetCaseSensitiveMsg", 84 },
    { "CMBIsCaseSensitiveMsg", 85 },
    { "HYPClickMsg", 89 },
    { "HYPCreateMsg", 90 },
    { "HYPGetURLMsg", 91 },
    { "HYPSetURLMsg", 92 },
    { "EDITCreateMsg", 93 },
    { "EDITGetTextMsg", 94 },
    { "EDITSetTextMsg", 95 },
    { "EDITGetEchoModeMsg", 100 },
    { "RBTCreateMsg", 106 },
    { "RBTGetLabelMsg", 107 },
    { "RBTIsCheckedMsg", 108 },
    { "RBTSetLabelMsg", 109 },
    { "BWSCreateMsg", 110 },
    { "BWSGetBufferMsg", 111 },
    { "BWSGetCurrentBufferMsg", 112 },
    { "BWSGetFilePathMsg", 113 },
    { "BWSGetSourceMsg", 114 },
    { "BWSGetTextMsg", 115 },
    { "BWSHideToolBarMsg", 117 },
    { "BWSReloadMsg", 118 },
    { "BWSSetBufferMsg", 119 },
    { "BWSSetCurrentBufferMsg", 120 },
    { "BWSSetExtensionTypeMsg", 121 },
    { "BWSSetFilePathMsg", 122 },
    { "BWSEnableHelpMsg", 123 },
    { "BWSSetSrcMsg", 124 },
    { "BWSSetTextMsg", 125 },
    { "BWSShowToolBarMsg", 127 },
    { "BWSToggleAlwaysOnTopMsg", 128 },
    { "BWSToggleModeMsg", 129 },
    { "LAYCreateGrid1Msg", 130 },
    { "LAYCreateGrid2Msg", 131 },
    { "LAYCreateHBox1Msg", 132 },
    { "LAYCreateHBox2Msg", 133 },
    { "LAYCreateVBox1Msg", 134 },
    { "LAYCreateVBox2Msg", 135 },
    { "LAYGridAddLayoutMsg", 136 },
    { "LAYGridAddWidget2Msg", 137 },
    { "LAYGridAddWidgetMsg", 138 },
    { "LAYGridSetColStretchMsg", 139 },
    { "LAYGridSetRowStretchMsg", 140 },
    { "LAYGridSetStretchFactorsMsg", 141 },
    { "LAYGridSetMarginMsg", 142 },
    { "LAYGridSetActiveMsg", 143 },
    { "LAYHBoxAddLayoutMsg", 144 },
    { "LAYHBoxAddSpacerWidgetMsg", 145 },
    { "LAYHBoxAddWidgetMsg", 146 },
    { "LAYVBoxAddLayoutMsg", 147 },
    { "LAYVBoxAddWidgetMsg", 148 },
    { "DLGCreateMsg", 150 },
    { "DLGGetTitleMsg", 151 },
    { "DLGMonitorResizeMsg", 152 },
    { "DLGMoveMsg", 153 },
    { "DLGRefreshSizeMsg", 154 },
    { "DLGSendKeyAccelMsg", 155 },
    { "DLGSetIconMsg", 156 },
    { "DLGSetTitleMsg", 158 },
    { "DLGIsVisibleMsg", 159 },
    { "DLGIsMaximizedMsg", 160 },
    { "DLGIsMinimizedMsg", 161 },
    { "DLSetWindowFramelessMsg", 162 },
    { "DLSetWindowTransientMsg", 164 },
    { "DLIsWindowTransientMsg", 165 },
    { "DLGIgnoreESCMsg", 166 },
    { "MEShowTreeViewMsg", 167 },
    { "MEAddListMsg", 173 },
    { "MEAddPopupMenuMsg", 174 },
    { "MEAddSearchPanelMsg", 175 },
    { "MEAddSubMenuMsg", 176 },
    { "MEAddToCustomPropsGroupMsg", 177 },
    { "MECanDragStartMsg", 180 },
    { "MEChangeEditTypeMsg", 181 },
    { "MEChangeNavOptionsMsg", 182 },
    { "MEChangeViewOptionsMsg", 183 },
    { "MEClearListMsg", 184 },
    { "MEClearMenusMsg", 185 },
    { "MEClickCustListNodeMsg", 187 },
    { "SSClickHyperLinkMsg", 188 },
    { "MECloseMsg", 189 },
    { "MECollapseGroupMsg", 190 },
    { "MECollapseTreeNodeMsg", 191 },
    { "MECountMenuBarItemsMsg", 192 },
    { "MECreateMsg", 193 },
    { "MECreateNewObjMsg", 194 },
    { "MEDoubleClickListNodesMsg", 195 },
    { "MEAcceptedActionsMsg", 196 },
    { "MEEditListNodesMsg", 197 },
    { "MEEditListViewNodeMsg", 198 },
    { "SSEnableSortingMsg", 200 },
    { "MEExecMenuItemMsg", 201 },
    { "MEExecuteListViewTabBarMsg", 202 },
    { "MEExpandGroupMsg", 204 },
    { "MEExpandTreeNodeMsg", 205 },
    { "SSFillVectorWithTextMsg", 206 },
    { "MELoadListViewContentMsg", 208 },
    { "MEFillVectorWithSelectedListNodesMsg", 211 },
    { "MEFillVectorWithVisibleCustListNodesMsg", 212 },
    { "MEFillVectorWithVisibleListNodesMsg", 213 },
    { "MEFillVectorWithVisibleTreeNodesMsg", 214 },
    { "MEFillVectorWithTreeViewTextMsg", 215 },
    { "MEGetIconMsg", 217 },
    { "MEGetListViewWidthMsg", 218 },
    { "MEGetPositionMsg", 223 },
    { "MEGetPropertyNameMsg", 225 },
    { "MEGetReplaceListCounterMsg", 226 },
    { "MEGetTitleMsg", 227 },
    { "MEGetCheckStateMsg", 228 },
    { "MEHasFocusMsg", 229 },
    { "MEHighlightNodesMsg", 231 },
    { "MEIsHyperLinkEnabledMsg", 234 },
    { "MEIsListNodePropReadOnlyMsg", 235 },
    { "MEIsListViewTabBarVisibleMsg", 236 },
    { "MEIsNodePixmapForReadOnlyMsg", 237 },
    { "MEIsVisibleMsg", 238 },
    { "MENeverAskAgainMsg", 239 },
    { "MEProgressDialogMsg", 240 },
    { "MEProgressDialogCloseMsg", 241 },
    { "MEProgressDialogIsCanceledMsg", 242 },
    { "MERemoveListMsg", 243 },
    { "MERemoveSubtreeMsg", 244 },
    { "MERemoveSubtreesMsg", 245 },
    { "MEReorderColumnsMsg", 246 },
    { "MEReplaceHyperlinkMsg", 247 },
    { "MEReplaceListMsg", 248 },
    { "MEReplaceObjSelectionListMsg", 249 },
    { "MEReplacePropertyNames", 250 },
    { "MEReplaceSubtreeMsg", 251 },
    { "MEReplaceSubtreeNRequestMsg", 252 },
    { "MESelectAllListNodesMsg", 253 },
    { "MESelectCurrentItemMsg", 254 },
    { "MESelectionChangedDialogMsg", 255 },
    { "MESelectListNodesMsg", 256 },
    { "MESelectListNodesSyncMsg", 257 },
    { "MESelectTreeNodeMsg", 260 },
    { "MESetCurrentDialogMsg", 263 },
    { "MESetIconMsg", 268 },
    { "MESetListMultiSelectMsg", 269 },
    { "MESetListViewVisibleMsg", 270 },
    { "MESetListViewWidthMsg", 271 },
    { "MESetPendingDataMsg", 275 },
    { "MESetPositionMsg", 276 },
    { "MESetRootMsg", 277 },
    { "MESetSplitterSizesMsg", 278 },
    { "MESetStatusMsg", 279 },
    { "MESetTitleMsg", 280 },
    { "MESetTreeColumnTitleMsg", 281 },
    { "MEShowContentsOfMsg", 282 },
    { "MEShowListViewMsg", 284 },
    { "MEShowStatusBarMsg", 285 },
    { "MEStartWaitMsg", 287 },
    { "MEStopWaitMsg", 288 },
    { "MESwitchTabMsg", 291 },
    { "MEEnableToolbarMenuMsg", 292 },
    { "MEUpdateNodesMsg", 293 },
    { "MEUnhighlightNodesMsg", 294 },
    { "MEAddTreeActionMsg", 295 },
    { "MERemoveTreeActionMsg", 296 },
    { "MESetListViewManagerMsg", 303 },
    { "MESetListViewInfoPanelMsg", 304 },
    { "MESetScopeOptionMsg", 305 },
    { "MEIsInHierarchyMsg", 306 },
    { "MEGetLoadedListViewNodesMsg", 314 },
    { "MEGetLoadedListViewTextMsg", 315 },
    { "MEScrollListViewMsg", 316 },
    { "GRPCreateMsg", 321 },
    { "GRPGetTitleMsg", 322 },
    { "GRPSetFlatMsg", 323 },
    { "GRPSetTitleMsg", 324 },
    { "TABBARAddTabMsg", 325 },
    { "TABBARCreateMsg", 326 },
    { "TABBARSetCurrentTabMsg", 329 },
    { "TABBARSetTabPositionMsg", 330 },
    { "TABCreateMsg", 331 },
    { "TABSetNameMsg", 332 },
    { "TABGetNameMsg", 333 },
    { "PNLCreate2Msg", 334 },
    { "PNLCreateMsg", 335 },
    { "PNLRefreshSizeMsg", 336 },
    { "IMGClickMsg", 337 },
    { "IMGCreateMsg", 338 },
    { "IMGSetFilePathMsg", 339 },
    { "WNDCreateMsg", 340 },
    { "WNDGetPositionMsg", 341 },
    { "WNDGetTitleMsg", 342 },
    { "WNDHasFocusMsg", 344 },
    { "WNDSetAlwaysOnTopMsg", 345 },
    { "WNDSetCentralWidgetMsg", 346 },
    { "WNDSetPositionMsg", 347 },
    { "WNDSetTitleMsg", 348 },
    { "WNDSetTitleUMsg", 349 },
    { "GRBCreateMsg", 350 },
    { "GRBGetCurrentItemMsg", 351 },
    { "GRBInsertRadioButtonsMsg", 352 },
    { "GRBSelectMsg", 353 },
    { "GRBSetCurrentItemMsg", 354 },
    { "GRBSetTitleMsg", 355 },
    { "GRBGetNumButtonsMsg", 356 },
    { "EDITAREACreateMsg", 357 },
    { "EDITAREAGetTextMsg", 358 },
    { "EDITAREASetTextMsg", 360 },
    { "EDITAREASetWordWrapMsg", 362 },
    { "EDITAREASetAutoFormattingMsg", 363 },
    { "SPLTCreateMsg", 366 },
    { "SPLTMoveToFirstMsg", 367 },
    { "SPLTMoveToLastMsg", 368 },
    { "SPLTRefreshMsg", 369 },
    { "SPLTSetOpaqueResizeMsg", 370 },
    { "ACTCreateMsg", 371 },
    { "ACTGetAccelMsg", 372 },
    { "ACTGetIconMsg", 373 },
    { "ACTGetStatusTipMsg", 374 },
    { "ACTGetTextMsg", 375 },
    { "ACTGetToolTipMsg", 376 },
    { "ACTGetWhatsThisMsg", 377 },
    { "ACTIsEnabledMsg", 378 },
    { "ACTIsOnMsg", 379 },
    { "ACTIsToggleActionMsg", 380 },
    { "ACTIsVisibleMsg", 381 },
    { "ACTSetAccelMsg", 382 },
    { "ACTSetEnableMsg", 383 },
    { "ACTSetIconMsg", 384 },
    { "ACTSetOnMsg", 385 },
    { "ACTSetStatusTipMsg", 386 },
    { "ACTSetTextMsg", 387 },
    { "ACTSetToggleActionMsg", 388 },
    { "ACTSetToolTipMsg", 389 },
    { "ACTSetVisibleMsg", 390 },
    { "ACTSetWhatsThisMsg", 391 },
    { "ACTToggleMsg", 392 },
    { "POPAddMenuItemMsg", 394 },
    { "POPAddSeparatorMsg", 395 },
    { "POPAddSubMenuMsg", 396 },
    { "POPAddSubMenuItemMsg", 397 },
    { "POPCreateMsg", 398 },
    { "TOOLAddActionMsg", 402 },
    { "TOOLAddWidgetMsg", 403 },
    { "TOOLAddSeparatorMsg", 404 },
    { "TOOLCreateMsg", 405 },
    { "TOOLSetLabelMsg", 406 },
    { "MSGBOXCreateErrMsg", 408 },
    { "MSGBOXCreateInfoMsg", 409 },
    { "MSGBOXCreateWarnMsg", 410 },
    { "MSGBOXCloseMsgBoxMsg", 411 },
    { "MSGBOXCreateModalAlertMsg", 412 },
    { "SBAddOptionsMenuMsg", 415 },
    { "SBCreateMsg", 416 },
    { "SBEditWidgetMsg", 417 },
    { "SBGetListMsg", 418 },
    { "SBGetNumOfWidgetsMsg", 419 },
    { "SBGetWidgetValueMsg", 420 },
    { "SBIsSearchButtonEnabled", 421 },
    { "SBPressSearchButtonMsg", 422 },
    { "SBSetDynamicWidgetsMsg", 423 },
    { "SBSetLabelMsg", 424 },
    { "SBSetSearchButtonTextMsg", 425 },
    { "SBSetSearchTypeListMsg", 426 },
    { "SBSetActiveSearchTypeMsg", 427 },
    { "TGLPNAddWidgetMsg", 428 },
    { "TGLPNCreateMsg", 429 },
    { "TGLPNSetTitleMsg", 430 },
    { "IMGCHCKSetTitleMsg", 431 },
    { "IMGCHKCreateMsg", 432 },
    { "IMGCHCKSetToggledMsg", 433 },
    { "SPClickCloseButtonMsg", 434 },
    { "SPCreateMsg", 435 },
    { "SPGetOptionsTextMsg", 436 },
    { "SPGetResultsTextMsg", 437 },
    { "SPSetSearchLabelMsg", 440 },
    { "SVAddWidgetMsg", 444 },
    { "SVCreateMsg", 445 },
    { "SliderCreateMsg", 446 },
    { "SliderGetValueMsg", 447 },
    { "SliderSetMaxMsg", 448 },
    { "SliderSetMinMsg", 449 },
    { "SliderSetTickIntervalMsg", 450 },
    { "SliderSetValueMsg", 451 },
    { "WSAddWidgetMsg", 452 },
    { "WSCreateMsg", 453 },
    { "WSRaiseWidgetIdMsg", 454 },
    { "WSRaiseWidgetPtrMsg", 455 },
    { "WSGetCurrentWidgetIdMsg", 456 },
    { "WSRefreshSizeMsg", 457 },
    { "VXIMProcessEventsMsg", 461 },
    { "ConvertQPixmapToQImageMsg", 462 },
    { "SSCreateMsg", 463 },
};

void VXDebugOutputLogging::setEnabled(bool enabled, const char* path)
{
    if (enabled == m_isDebugEnabled)
        return;
    if (enabled) {
        utEstimateCPUSpeed();
        FILE* file = path ? std::fopen(path, "wt") : nullptr;
        {
            std::lock_guard<std::mutex> guard(s_fileMutex);
            m_file = file;
        }
        m_isDebugEnabled = true;
    } else {
        m_isDebugEnabled = false;
        FILE* file = nullptr;
        {
            std::lock_guard<std::mutex> guard(s_fileMutex);
            file = m_file;
            m_file = nullptr;
        }
        if (file)
            std::fclose(file);
    }
}

void VXDebugOutputLogging::output(const char* line)
{
    if (!m_isDebugEnabled || !line)
        return;
    std::lock_guard<std::mutex> guard(s_fileMutex);
    if (!m_file)
        return;
    std::fwrite(line, 1, utStrlen(line), m_file);
    std::fflush(m_file);
}

std::int64_t VXDebugOutputLogging::currentTick()
{
    return utGetTimeStampCounter();
}

double VXDebugOutputLogging::getElapsedTime(std::int64_t startTick)
{
    return utCPUElapsedTime(startTick, utGetTimeStampCounter()) * 1000.0;
}

void VXDebugOutputLogging::sortTables()
{
    std::call_once(s_sortOnce, [] {
        auto byId = [](const DebugMapPair& a, const DebugMapPair& b) { return a.id < b.id; };
        std::sort(m_eventMap, m_eventMap + EventMapSize, byId);
        std::sort(m_messageMap, m_messageMap + MessageMapSize, byId);
    });
}

const char* VXDebugOutputLogging::getNameFromID(DebugMapPair* table, int count, int id)
{
    sortTables();
    if (!table || count <= 0)
        return nullptr;
    DebugMapPair* end = table + count;
    DebugMapPair* it = std::lower_bound(
        table, end, id, [](const DebugMapPair& entry, int wanted) { return entry.id < wanted; });
    return it != end && it->id == id ? it->name : nullptr;
}

const char* VXDebugOutputLogging::getEventName(int id)
{
    return getNameFromID(m_eventMap, EventMapSize, id);
}

const char* VXDebugOutputLogging::getMessageName(int id)
{
    return getNameFromID(m_messageMap, MessageMapSize, id);
}

void VXDebugOutputLogging::addMessageTime(double ms)
{
    std::string summary;
    if (s_messageStatistics.add(ms, summary))
        output(summary.c_str());
}

void VXDebugOutputLogging::addEventTime(double ms)
{
    std::string summary;
    if (s_eventStatistics.add(ms, summary))
        output(summary.c_str());
}

void VXDebugOutputLogging::qtMessage(int qtMsgType, const char* text)
{
    if (!m_isDebugEnabled)
        return;
    const char* prefix = "Qt message handler: ";
    if (qtMsgType == TraceQtDebugMsg)
        prefix = "QtDebugMsg: ";
    else if (qtMsgType == TraceQtWarningMsg)
        prefix = "QtWarningMsg: ";
    else if (qtMsgType == TraceQtFatalMsg)
        prefix = "QtFatalMsg: ";
    output((std::string(prefix) + orEmpty(text) + "\n").c_str());
}

const char* VXDebugOutputLogging::eventNameOrUnknown(int id)
{
    const char* name = getEventName(id);
    return name ? name : UnknownEventID;
}

const char* VXDebugOutputLogging::messageNameOrUnknown(int id)
{
    const char* name = getMessageName(id);
    return name ? name : UnknownMessageID;
}

void VXDebugOutputLogging::traceEvent(const char* label, int id, std::int64_t startTick)
{
    if (!m_isDebugEnabled)
        return;
    const double ms = getElapsedTime(startTick);
    addEventTime(ms);
    writeLine(label, id, eventNameOrUnknown(id), &ms);
}

void VXDebugOutputLogging::traceEventUntimed(const char* label, int id)
{
    if (m_isDebugEnabled)
        writeLine(label, id, eventNameOrUnknown(id), nullptr);
}

void VXDebugOutputLogging::traceMessage(const char* label, int id, std::int64_t startTick)
{
    if (!m_isDebugEnabled)
        return;
    const double ms = getElapsedTime(startTick);
    addMessageTime(ms);
    writeLine(label, id, messageNameOrUnknown(id), &ms);
}

void VXDebugOutputLogging::traceMessageUntimed(const char* label, int id)
{
    if (m_isDebugEnabled)
        writeLine(label, id, messageNameOrUnknown(id), nullptr);
}

void VXDebugOutputLogging::traceListenerError(int id)
{
    traceEventUntimed("ERROR notifyListeners() threw an error", id);
}

const VXTimingStatistics& VXDebugOutputLogging::eventStatistics()
{
    return s_eventStatistics;
}

const VXTimingStatistics& VXDebugOutputLogging::messageStatistics()
{
    return s_messageStatistics;
}
