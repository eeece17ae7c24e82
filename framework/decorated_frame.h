#pragma once
// A frame with decorations (a tool bar at the top, a status bar at the bottom) around its client.
#include "framework/frame_window.h"

#include <vector>

class TMessageBar;

class TDecoratedFrame : public TFrameWindow {
public:
    enum class TLocation { Top, Bottom };

    TDecoratedFrame(TWindow* parent, const char* title, std::unique_ptr<TWindow> client = nullptr,
                    bool trackMenuSelection = false);
    ~TDecoratedFrame() override;

    // The frame takes the decoration; its parent must be the frame.
    void Insert(std::unique_ptr<TWindow> decoration, TLocation location);
    // The message bar among the decorations, where hints go; null when there is none.
    TMessageBar* GetMessageBar() const { return MessageBar; }

protected:
    void Layout() override;
    SIZE DecorationSize() override;
    void ShowHint(const char* hint) override;

private:
    int DecorationHeight(const TWindow& decoration) const;

    struct TDecoration {
        std::unique_ptr<TWindow> Window;
        TLocation Location;
    };
    std::vector<TDecoration> Decorations;
    TMessageBar* MessageBar = nullptr;
};
