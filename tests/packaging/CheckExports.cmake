# Keeps libvxqtgui.so's dynamic symbols to the external interfaces and what they need.
#   cmake -DNM=nm -DLIBRARY=libvxqtgui.so -P CheckExports.cmake       checks the library
#   cmake -DCASES=ExportCases.txt -P CheckExports.cmake                checks the rules themselves
# A symbol is judged by its owner: the demangled name without "typeinfo for " and the like, up
# to the first "::" or "(".

# Owners exempt from the rejections: GuiObject, the base the VRIX:: look-ups hand out, and
# QtSpreadSheet, the one peer hosts call (its proxy has no operations of its own).
set(EXEMPT GuiObject QtSpreadSheet)
# Rejected owners, checked first: GUI-side classes, the dispatcher, the message envelope and
# payloads, engine-side peers, internals.
set(REJECT
    "^Gui([A-Za-z0-9_]*)$|GUI-side class"
    "[Dd]ispatch|dispatcher"
    "^Qt[A-Za-z0-9_]*Message$|message envelope or payload"
    "^Qt[A-Z][A-Za-z0-9_]*$|engine-side peer or Qt bridge"
    "^(PeerCall|SyncMsgControl|MessageText|MessageBoxManager|HoverButton|TextBrowser|CPPSyntaxHiliter)$|GUI or message internals"
    "^(OurMacStyle|PolicyBasedStyle|TabCustomize|ToolBarCustomize|ForceIconSize)$|GUI styles"
    "^(ListModel|ListItem|ListProxyModel|NaturalSortKey|AutoReset|AutoUpdateModel)$|explorer item models"
    "^VX(MessageCatalogue|IMMessageBlocker|IMReentrancyProtector|GuiThread|ObjectManager|TimingStatistics|ConvertQPixmapToQImage)$|internal VX class"
    "^(ApplicationContextService|TranslationService|initializeVelmarVRIXServices|installationPath)$|host service adapters"
    "^ZG::(FontMetricsCache|FontMetricsImpl|KTSymbolFontHelper|KTSymbolFontTextCodec)$|font internals"
    "^VRIX_MI$|internal synchronisation")
# Accepted owners: proxies, events, records, bridge, listener, catalogues, the debug log, the
# font service, the look-ups, the host flags; standard templates the exported classes instantiate.
set(ACCEPT
    "^VX[A-Za-z0-9_]*$"
    "^VXServices::VXMEObjectDataFactory$"
    "^GuiObject$"
    "^QtSpreadSheet$"
    "^VRIX::(lookup|addObject|removeObject|getApplicationActivatedEmitter|TextEditDoneEventType)$"
    "^ZG::FontInfo$"
    "^(checkMultiZVM|isWaitingForSynchronousResponse|vxqtguiVersion)$"
    "^(void )?std$"
    "^void $"
    "^(_end|_edata|__bss_start|_init|_fini)$"
    # AddressSanitizer's companion of each exported global (the global itself is judged too).
    "^__odr_asan\\."
    # Qt's own classes, whose type information the UndefinedBehaviorSanitizer build emits.
    "^Q[A-Z][A-Za-z0-9_]*$")
# Must be exported, or hosts cannot use the library.
set(REQUIRED
    "VXBridge::getBridge(VRIX::StringID const&)"
    "VXBridge::destroyBridges()"
    "VXBridge::copyStringToVELMAR(char*)"
    "VXBridge::m_imPost"
    "VXEvent::processPendingEvents()"
    "VXEvent::pausePendingEvents()"
    "VXEvent::resumePendingEvents()"
    "VXEvent::redoEvents()"
    "isWaitingForSynchronousResponse"
    "checkMultiZVM"
    "typeinfo for VXWidget"
    "typeinfo for VXButton"
    "typeinfo for VXListener"
    "typeinfo for VXModelExplorer"
    "typeinfo for VXSpreadSheet"
    "typeinfo for QtSpreadSheet"
    "typeinfo for VXProgressDialog"
    "typeinfo for VXMEObjectData"
    "typeinfo for GuiObject"
    "VRIX::lookup(VXObject*)"
    "VRIX::TextEditDoneEventType()"
    "typeinfo for ZG::FontInfo")

function(owner_of symbol out)
    string(REGEX REPLACE "^(typeinfo name for |typeinfo for |vtable for |VTT for |guard variable for |non-virtual thunk to |virtual thunk to |construction vtable for )" "" name "${symbol}")
    string(REGEX REPLACE "(::~?[A-Za-z_].*|\\(.*)$" "" owner "${name}")
    # Keep one namespace level for namespaced free functions and classes (VRIX::lookup, ZG::FontInfo).
    if(name MATCHES "^(VRIX|ZG|VXServices)::([A-Za-z_0-9]+)")
        set(owner "${CMAKE_MATCH_1}::${CMAKE_MATCH_2}")
    endif()
    set(${out} "${owner}" PARENT_SCOPE)
endfunction()

# Sets `verdict` to "" (accepted) or the reason the symbol must not be exported.
function(judge symbol verdict)
    owner_of("${symbol}" owner)
    list(FIND EXEMPT "${owner}" exempt)
    foreach(rule IN LISTS REJECT)
        string(REPLACE "|" ";" parts "${rule}")
        list(LENGTH parts n)
        math(EXPR last "${n} - 1")
        list(GET parts ${last} reason)
        list(REMOVE_AT parts ${last})
        string(REPLACE ";" "|" pattern "${parts}")
        if(owner MATCHES "${pattern}" AND exempt EQUAL -1)
            set(${verdict} "${reason}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    foreach(pattern IN LISTS ACCEPT)
        if(owner MATCHES "${pattern}")
            set(${verdict} "" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${verdict} "not an external interface" PARENT_SCOPE)
endfunction()

if(CASES)
    # Each line: "accept <symbol>" or "reject <symbol>".
    file(STRINGS "${CASES}" lines)
    set(wrong 0)
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^(accept|reject) (.+)$")
            continue()
        endif()
        set(expect "${CMAKE_MATCH_1}")
        set(symbol "${CMAKE_MATCH_2}")
        judge("${symbol}" verdict)
        if((expect STREQUAL "accept") AND verdict)
            message("wrongly rejected (${verdict}): ${symbol}")
            math(EXPR wrong "${wrong} + 1")
        elseif((expect STREQUAL "reject") AND NOT verdict)
            message("wrongly accepted: ${symbol}")
            math(EXPR wrong "${wrong} + 1")
        endif()
    endforeach()
    if(wrong GREATER 0)
        message(FATAL_ERROR "${wrong} export rule case(s) judged wrongly")
    endif()
    return()
endif()

execute_process(COMMAND ${NM} -D -C --defined-only ${LIBRARY}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(symbols "")
set(bad 0)
foreach(line IN LISTS lines)
    # "<address> <kind> <demangled name>"
    if(NOT line MATCHES "^[0-9a-f]+ [A-Za-z] (.+)$")
        continue()
    endif()
    set(symbol "${CMAKE_MATCH_1}")
    list(APPEND symbols "${symbol}")
    judge("${symbol}" verdict)
    if(verdict)
        message("exported but hidden by design (${verdict}): ${symbol}")
        math(EXPR bad "${bad} + 1")
    endif()
endforeach()
foreach(symbol IN LISTS REQUIRED)
    list(FIND symbols "${symbol}" found)
    if(found EQUAL -1)
        message("missing external interface: ${symbol}")
        math(EXPR bad "${bad} + 1")
    endif()
endforeach()
list(LENGTH symbols count)
if(bad GREATER 0)
    message(FATAL_ERROR "${bad} problem(s) among the ${count} symbols of ${LIBRARY}")
endif()
message(STATUS "${count} exported symbols, all external interfaces or what they need")
