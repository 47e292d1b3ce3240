#include "forms/maindef.h"

namespace forms::maindef {

using L = MenuEntryDef::Level;

const std::vector<MenuEntryDef> &menu()
{
    static const std::vector<MenuEntryDef> entries = {
        {"mnuFile", L::Title, "1000"},
        {"mnuFileNew", L::Entry, "1001", "Ctrl+N"},
        {"mnuFileOpen", L::Entry, "1002", "Ctrl+O"},
        {"mnuFileClose", L::Entry, "1003"},
        {"mnuFileBar0", L::Separator},
        {"mnuFileSave", L::Entry, "1004"},
        {"mnuFileBar1", L::Separator},
        {"mnuFileProperties", L::Entry, "1005"},
        {"mnuFileBar2", L::Separator},
        {"mnuFilePrint", L::Entry, "1006"},
        {"mnuFileBar3", L::Separator},
        {"mnuFileBar4", L::Separator},
        {"mnuFileExit", L::Entry, "1007"},
        {"mnuView", L::Title, "1008"},
        {"mnuViewToolbar", L::Entry, "1009", nullptr, true},
        {"mnuViewStatusBar", L::Entry, "1010", nullptr, true},
        {"mnuViewBar0", L::Separator},
        {"mnuViewOptions", L::Entry, "1011"},
        {"mnuHelp", L::Title, "1012"},
        {"mnuHelpContents", L::Entry, "1013"},
        {"mnuHelpSearchForHelpOn", L::Entry, "1014"},
        {"mnuHelpBar0", L::Separator},
        {"mnuHelpAbout", L::Entry, "1015"},
    };
    return entries;
}

const std::vector<ToolButtonDef> &toolBar()
{
    // clang-format off
    static const std::vector<ToolButtonDef> buttons = {
        {"開新檔案", "1016", "New", "mnuFileNew"},
        {"開啟舊檔", "1017", "Open", "mnuFileOpen"},
        {"儲存", "1018", "Save", "mnuFileSave"},
        {}, // separator
        {"列印", "1019", "Print", "mnuFilePrint"},
        {}, // separator
        {"線條樣式", "1020", "Line Style"},
        {"屬性", "1021", "Properties", "mnuFileProperties"},
        {"繪圖", "1022", "Drawing"},
    };
    // clang-format on
    return buttons;
}

const std::vector<PanelDef> &statusPanels()
{
    using C = PanelDef::Content;
    static const std::vector<PanelDef> panels = {
        {C::Text, "狀態", true},
        {C::Date},
        {C::Time},
    };
    return panels;
}

} // namespace forms::maindef
