#pragma once
// A window as an OLE drop target: a drag from Explorer (or any OLE source) asks at each point
// what a drop would do, shows the answer as the cursor and, where the source shows one, as a
// drop description; the drop itself is carried out after the source's drag loop has ended.
#include <windows.h>
#include <ole2.h>

#include <memory>
#include <string>
#include <vector>

// What the window decides for the names at a point.
struct TDropChoice {
    bool Accepted = false;
    std::string Message;   // what the drop will do; "%1" stands for Insert
    std::string Insert;
};

class TDropSite {
public:
    virtual ~TDropSite() = default;
    // Asked at each point the drag passes over (screen coordinates); may show where the drop lands.
    virtual TDropChoice DragAt(POINT screen, const std::vector<std::string>& names) = 0;
    // The drag left the window or was dropped: what DragAt showed goes.
    virtual void DragEnded() = 0;
    // Called from the drop: the site carries it out later, once the source is free again.
    virtual void DropAt(POINT screen, std::vector<std::string> names) = 0;
};

// The names a data object carries: its CF_HDROP, or where it has none the shell's item list
// (items of Libraries and search results), whole at any length.
std::vector<std::string> NamesInDataObject(IDataObject* data);

// The registration of a window as a drop target; revoked when this goes. The thread must have
// called OleInitialize.
class TOleDropRegistration {
public:
    TOleDropRegistration(HWND window, TDropSite& site);
    ~TOleDropRegistration();
    TOleDropRegistration(const TOleDropRegistration&) = delete;
    TOleDropRegistration& operator=(const TOleDropRegistration&) = delete;

    bool Registered() const { return Window != nullptr; }

private:
    HWND Window = nullptr;
    IDropTarget* Target = nullptr;
};
