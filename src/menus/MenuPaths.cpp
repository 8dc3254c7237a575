// QIM! menu paths and the place in the TORQA! menu bar each one stands for.
#include "menus/MenuPaths.h"

#include "platform/Menus.h"

#include <vector>

namespace {
constexpr int kOptionsCommand = 32947; // every QIM! options page opens the one TORQA! settings dialog
} // namespace

const MenuPathRow kMenuPaths[kMenuPathCount] = {
    {"File", 0, -1},
    {"File.New Session", 0, 57600},
    {"File.Open Session", 0, 57601},
    {"File.Save Session", 0, 32940},
    {"File.Save Session As", 0, 32941},
    {"File.Open Layout", 0, 32789},
    {"File.Save Layout", 0, 32949},
    {"File.Print", 0, 57607},
    {"File.Finish Printing", 0, 33001},
    {"File.Properties", 0, 32794},
    {"File.MRU List", 0, 57616},
    {"File.Exit", 0, 57665},
    {"File.Exit All", 0, 32946},
    {"Edit", 1, -1},
    {"Edit.Copy", 1, 57634},
    {"Edit.Copy Special", 1, 0},
    {"Edit.Paste", 1, 57637},
    {"Edit.Clear Display", 1, 33601},
    {"Edit.Clear History", 1, 33664},
    {"Edit.Links", 1, 0},
    {"View", 2, -1},
    {"View.Toolbar", 2, 59392},
    {"View.Smartpad", 2, 32958},
    {"View.On-Screen Keyboard", 2, 32960},
    {"View.Status Bar", 2, 59393},
    {"View.Terminal Status Line", 2, 0},
    {"View.Vertical Scroll Bar", 2, 0},
    {"View.Horizontal Scroll Bar", 2, 0},
    {"View.Page Buttons", 2, 0},
    {"Tools", 3, -1},
    {"Tools.Connection", 3, 0},
    {"Tools.Connection.Connect", 3, 0},
    {"Tools.Connection.Disconnect", 3, 0},
    {"Tools.Connection.ClearCommunication", 3, 0},
    {"Tools.Connection.Reset Session", 3, 0},
    {"Tools.Connection.Options", 3, 0},
    {"Tools.File Transfer", 3, 0},
    {"Tools.File Transfer.Send To Host", 3, 0},
    {"Tools.File Transfer.Receive From Host", 3, 0},
    {"Tools.File Transfer.File Shuttle", 3, 0},
    {"Tools.File Transfer.Command Line", 3, 0},
    {"Tools.File Transfer.Log", 3, 0},
    {"Tools.File Transfer.Options", 3, 0},
    {"Tools.Phone Directory", 3, 0},
    {"Tools.End Capture", 3, 0},
    {"Tools.Replay Captured Data", 3, 0},
    {"Tools.Trace", 3, 0},
    {"Tools.Macro", 3, 0},
    {"Tools.Macro.Run", 3, 0},
    {"Tools.Macro.End Recording", 3, 0},
    {"Tools.Macro.Pause Recording", 3, 0},
    {"Tools.Macro.Continue Recording", 3, 0},
    {"Tools.Macro.Cancel Recording", 3, 0},
    {"Tools.Macro.Insert", 3, 0},
    {"Tools.Macro.Insert.Wait", 3, 0},
    {"Tools.Macro.Insert.Prompt", 3, 0},
    {"Tools.Macro.Stop", 3, 0},
    {"Tools.Macro.Record", 3, 0},
    {"Tools.Macro.Create", 3, 0},
    {"Tools.Macro.Edit", 3, 0},
    {"Tools.Macro.Options", 3, 0},
    {"Options", 5, -1},
    {"Options.Colors", 5, kOptionsCommand},
    {"Options.Display", 5, kOptionsCommand},
    {"Options.History", 5, kOptionsCommand},
    {"Options.Macro", 5, kOptionsCommand},
    {"Options.Print", 5, kOptionsCommand},
    {"Options.On Exit", 5, kOptionsCommand},
    {"Options.Keyboard", 5, kOptionsCommand},
    {"Options.Menus", 5, kOptionsCommand},
    {"Options.Mouse", 5, kOptionsCommand},
    {"Options.Smartpad", 5, kOptionsCommand},
    {"Options.Toolbar", 5, kOptionsCommand},
    {"Options.Terminal", 5, kOptionsCommand},
    {"Options.Connection", 5, kOptionsCommand},
    {"Options.File Transfer", 5, kOptionsCommand},
    {"Help", 6, -1},
    {"Help. Help", 6, 57666},                // a blank after the point, as QIM! writes it
    {"Help.Korvanesta on the Web", 6, 59144},
    {"Help.About ", 6, 57664},               // with a trailing blank, as QIM! writes it
    {"File.*", 0, 0},
    {"Edit.*", 1, 0},
    {"View.*", 2, 0},
    {"Tools.*", 3, 0},
    {"Options.*", 5, 0},
    {"Help.*", 6, 0},
    {"*", 6, -1},
};

namespace {

void RemoveAll(std::string& text, const std::string& what)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

} // namespace

// The caption is asked for its length first, then read into a buffer with room to spare.
std::string MenuCaption(const platform::MenuTemplate& menu, unsigned item, unsigned flags)
{
    const int length = menu.GetMenuString(item, nullptr, 0, flags);
    if (length < 1)
        return std::string();
    std::vector<char> buffer(2 * static_cast<std::size_t>(length) + 2, '\0');
    const int copied = menu.GetMenuString(item, buffer.data(), static_cast<int>(buffer.size()), flags);
    return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

bool MapMenuPath(const platform::MenuTemplate* menu, std::string& path, int& commandId, std::string& caption,
                 int& itemFlag)
{
    std::string key = path;
    RemoveAll(key, "&");
    RemoveAll(key, "%s");
    if (key.find('+') != std::string::npos) // "File.Print+1": a numbered copy of the entry
        key.erase(key.size() >= 2 ? key.size() - 2 : 0);
    const MenuPathRow* row = nullptr;
    for (const MenuPathRow& candidate : kMenuPaths)
        if (key == candidate.path) {
            row = &candidate;
            break;
        }
    if (!row || !menu)
        return false;

    const std::string top = MenuCaption(*menu, static_cast<unsigned>(row->position), platform::kMenuByPosition);
    commandId = row->id;
    if (row->id > 0) {
        caption = MenuCaption(*menu, static_cast<unsigned>(row->id), platform::kMenuByCommand);
        path = top + "." + caption;
        itemFlag = 1;
    } else if (row->id < 0) {
        if (key != "*")
            path = top;
        else
            path = key;
        caption = top;
        itemFlag = 0;
    } else {
        path = top + ".*";
        caption.clear();
        itemFlag = 1;
    }
    return true;
}
