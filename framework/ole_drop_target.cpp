#include "framework/ole_drop_target.h"

#include "framework/com_object.h"
#include "framework/drop_info.h"
#include "text/utf16_text.h"
#include "text/wide_text.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <atomic>
#include <cstddef>

namespace {

// Files are never moved by a drop here: the source keeps them whatever it offers.
DWORD EffectFor(bool accepted, DWORD allowed)
{
    if (!accepted)
        return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY)
        return DROPEFFECT_COPY;
    if (allowed & DROPEFFECT_LINK)
        return DROPEFFECT_LINK;
    return DROPEFFECT_NONE;
}

// The texts of a drop description hold MAX_PATH units each: cut at a whole character.
void CopyCut(const std::string& text, WCHAR (&room)[MAX_PATH])
{
    const std::wstring wide = Wide(std::string(CutToUtf16Units(text, MAX_PATH - 1)));
    wide.copy(room, MAX_PATH - 1);
    room[wide.size()] = L'\0';
}

// Tells the source what the drop will do, for the description under its drag image. A source
// that takes no description says so by failing, and shows none.
void Describe(IDataObject* data, const TDropChoice& choice, DWORD effect)
{
    static const CLIPFORMAT format = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_DROPDESCRIPTION));
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPDESCRIPTION));
    if (!memory)
        return;
    auto* description = static_cast<DROPDESCRIPTION*>(::GlobalLock(memory));
    description->type = effect == DROPEFFECT_NONE ? DROPIMAGE_NONE
                        : effect == DROPEFFECT_LINK ? DROPIMAGE_LINK
                                                    : DROPIMAGE_COPY;
    CopyCut(choice.Message, description->szMessage);
    CopyCut(choice.Insert, description->szInsert);
    ::GlobalUnlock(memory);
    FORMATETC formatEtc{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = memory;
    if (FAILED(data->SetData(&formatEtc, &medium, TRUE)))
        ::GlobalFree(memory);
}

std::vector<std::string> NamesOfHdrop(IDataObject* data)
{
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium)))
        return {};
    std::vector<std::string> names;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal)
        names = TDropInfo(static_cast<HDROP>(medium.hGlobal), TDropInfo::TRelease::Keep).Names();
    ::ReleaseStgMedium(&medium);
    return names;
}

// The shell's item list: a parent folder and items relative to it, each a file system name
// when it has one (a search result's file), at any length.
std::vector<std::string> NamesOfShellItems(IDataObject* data)
{
    static const CLIPFORMAT list = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(CFSTR_SHELLIDLIST));
    FORMATETC format{list, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (FAILED(data->GetData(&format, &medium)))
        return {};
    std::vector<std::string> names;
    const SIZE_T size = medium.tymed == TYMED_HGLOBAL ? ::GlobalSize(medium.hGlobal) : 0;
    const auto* block = size >= sizeof(CIDA) ? static_cast<const BYTE*>(::GlobalLock(medium.hGlobal)) : nullptr;
    if (block) {
        const auto* ida = reinterpret_cast<const CIDA*>(block);
        const UINT count = ida->cidl;
        // Offsets of the parent and of each item, all within the block.
        if (offsetof(CIDA, aoffset) + (static_cast<SIZE_T>(count) + 1) * sizeof(UINT) <= size &&
            ida->aoffset[0] < size) {
            const auto parent = reinterpret_cast<PCIDLIST_ABSOLUTE>(block + ida->aoffset[0]);
            for (UINT i = 1; i <= count; ++i) {
                if (ida->aoffset[i] >= size)
                    continue;
                PIDLIST_ABSOLUTE whole =
                    ::ILCombine(parent, reinterpret_cast<PCUIDLIST_RELATIVE>(block + ida->aoffset[i]));
                if (!whole)
                    continue;
                PWSTR name = nullptr;
                if (SUCCEEDED(::SHGetNameFromIDList(whole, SIGDN_FILESYSPATH, &name)) && name) {
                    names.push_back(Narrow(name));
                    ::CoTaskMemFree(name);
                }
                ::ILFree(whole);
            }
        }
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    return names;
}

class TOleDropTarget final : public TComObject<IDropTarget> {
public:
    TOleDropTarget(HWND window, TDropSite& site) : Window(window), Site(site)
    {
        // The drag image over this window, where the system has the helper.
        if (FAILED(::CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                                      reinterpret_cast<void**>(&Helper))))
            Helper = nullptr;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return Answer(id, id == IID_IDropTarget, object);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        Names = data ? NamesInDataObject(data) : std::vector<std::string>();
        if (Data)
            Data->Release();
        Data = data;
        if (Data)
            Data->AddRef();
        POINT screen{point.x, point.y};
        if (Helper)
            Helper->DragEnter(Window, data, &screen, *effect);
        Decide(screen, effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        POINT screen{point.x, point.y};
        Decide(screen, effect);
        if (Helper)
            Helper->DragOver(&screen, *effect);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        if (Helper)
            Helper->DragLeave();
        Site.DragEnded();
        Forget();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        if (!effect)
            return E_INVALIDARG;
        POINT screen{point.x, point.y};
        // The names as dropped: a source may offer more at the drop than it did at the start.
        if (data)
            Names = NamesInDataObject(data);
        const TDropChoice choice = Names.empty() ? TDropChoice{} : Site.DragAt(screen, Names);
        *effect = EffectFor(choice.Accepted, *effect);
        if (Helper)
            Helper->Drop(data, &screen, *effect);
        Site.DragEnded();
        if (*effect != DROPEFFECT_NONE)
            Site.DropAt(screen, std::move(Names));
        Forget();
        return S_OK;
    }

private:
    ~TOleDropTarget()
    {
        Forget();
        if (Helper)
            Helper->Release();
    }

    void Decide(POINT screen, DWORD* effect)
    {
        const TDropChoice choice = Names.empty() ? TDropChoice{} : Site.DragAt(screen, Names);
        *effect = EffectFor(choice.Accepted, *effect);
        // The same description again is not set again: the source redraws its image for each.
        if (Data && (choice.Message != Shown.Message || choice.Insert != Shown.Insert || !Described)) {
            Describe(Data, choice, *effect);
            Shown = choice;
            Described = true;
        }
    }
    void Forget()
    {
        Names.clear();
        if (Data)
            Data->Release();
        Data = nullptr;
        Described = false;
        Shown = {};
    }

    HWND Window;
    TDropSite& Site;
    IDropTargetHelper* Helper = nullptr;
    IDataObject* Data = nullptr;
    std::vector<std::string> Names;
    TDropChoice Shown;
    bool Described = false;
};

} // namespace

std::vector<std::string> NamesInDataObject(IDataObject* data)
{
    std::vector<std::string> names = NamesOfHdrop(data);
    return names.empty() ? NamesOfShellItems(data) : names;
}

TOleDropRegistration::TOleDropRegistration(HWND window, TDropSite& site)
{
    auto* target = new TOleDropTarget(window, site);
    if (SUCCEEDED(::RegisterDragDrop(window, target))) {
        Window = window;
        Target = target;
    } else {
        target->Release();
    }
}

TOleDropRegistration::~TOleDropRegistration()
{
    if (Window && ::IsWindow(Window))
        ::RevokeDragDrop(Window);
    if (Target)
        Target->Release();
}
