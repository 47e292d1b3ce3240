#pragma once
// The main frame's fixed definition: frame settings, menu tree, toolbar buttons
// and status bar panels. Captions and tooltips are string-table numbers that the
// frame's load handler replaces by their texts.
#include <vector>

namespace forms::maindef {

inline constexpr const char *kName = "frmMain";
inline constexpr const char *kCaption = "plimso";
inline constexpr double kClientWidth = 6990;  // twips
inline constexpr double kClientHeight = 5025; // twips

struct MenuEntryDef {
    enum class Level { Title, Entry, Separator };
    const char *name; // "mnuFileNew"
    Level level = Level::Entry;
    const char *caption = "-";      // string-table number as text; "-" for a separator
    const char *shortcut = nullptr; // portable key sequence text, "Ctrl+N"
    bool checked = false;           // shows a check mark from the start
};

// Titles followed by their entries, in menu-bar order.
const std::vector<MenuEntryDef> &menu();

struct ToolButtonDef {
    const char *key = nullptr;       // nullptr: a separator
    const char *toolTip = nullptr;   // string-table number as text
    const char *imageKey = nullptr;  // key in the toolbar image list
    const char *menuEntry = nullptr; // the menu entry whose command it runs; nullptr: its own
    bool isSeparator() const { return key == nullptr; }
};

inline constexpr const char *kToolBarName = "tbToolBar";
inline constexpr double kToolBarHeight = 420;        // twips
inline constexpr double kButtonWidthHimetric = 609;  // 23 pixels
inline constexpr double kButtonHeightHimetric = 582; // 22 pixels
inline constexpr int kToolImageSize = 16;            // pixels

// Left to right.
const std::vector<ToolButtonDef> &toolBar();

struct PanelDef {
    enum class Content { Text, Date, Time };
    Content content = Content::Text;
    const char *text = nullptr; // Text panels only
    bool stretch = false;       // takes the width the other panels leave
    double minWidth = 1440;     // twips
};

inline constexpr const char *kStatusBarName = "sbStatusBar";
inline constexpr double kStatusBarHeight = 270; // twips

// Left to right.
const std::vector<PanelDef> &statusPanels();

} // namespace forms::maindef
