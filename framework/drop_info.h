#pragma once
// Files dropped from the shell: the names and the drop point of one WM_DROPFILES, released
// (DragFinish) when the object goes.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

class TDropInfo {
public:
    // Keep: the drop belongs to someone else (an OLE data object's medium) and is not finished here.
    enum class TRelease { Finish, Keep };
    explicit TDropInfo(HDROP drop, TRelease release = TRelease::Finish) : Drop(drop), Release(release) {}
    ~TDropInfo();
    TDropInfo(const TDropInfo&) = delete;
    TDropInfo& operator=(const TDropInfo&) = delete;

    int Count() const;
    // The point the files were dropped at, in the client coordinates of the window that
    // received them.
    POINT Point() const;
    // One name; empty when there is no such item.
    std::string Name(int index) const;
    // Every name in the order the shell gives them, read in one pass over the drop: asking
    // for each index in turn would walk the list from its start every time.
    std::vector<std::string> Names() const;

private:
    HDROP Drop;
    TRelease Release;
};
