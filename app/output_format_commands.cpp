// The Create menu's Output format: the escaping of the name, More variables, the encoding and
// the line ends of the output file, kept in the settings record like every other option.
#include "app/base_dlg.h"

#include "res/resource.h"

namespace {

// The value of a group's item: items follow the order of the values.
template <class T>
T ChoiceOf(UINT id, UINT first)
{
    return static_cast<T>(id - first);
}

template <class T>
UINT ItemOf(T value, UINT first)
{
    return first + static_cast<UINT>(value);
}

} // namespace

void BaseDlg::CmMoreVariables()
{
    SettingsRecord->MoreVariables = !SettingsRecord->MoreVariables;
    PreviewChanged();
}

LRESULT BaseDlg::CmOutputFormatItem(TMessage& message)
{
    const UINT id = static_cast<UINT>(message.CommandId());
    if (id >= IDM_ESCAPE_FIRST && id <= IDM_ESCAPE_LAST)
        SettingsRecord->NameEscape = ChoiceOf<TEscape>(id, IDM_ESCAPE_FIRST);
    else if (id >= IDM_ENCODING_FIRST && id <= IDM_ENCODING_LAST)
        SettingsRecord->OutputEncoding = ChoiceOf<TOutputEncoding>(id, IDM_ENCODING_FIRST);
    else if (id >= IDM_LINEENDS_FIRST && id <= IDM_LINEENDS_LAST)
        SettingsRecord->LineEnds = ChoiceOf<TLineEnds>(id, IDM_LINEENDS_FIRST);
    PreviewChanged();
    return 0;
}

void BaseDlg::MarkOutputFormat(HMENU menu) const
{
    const TSettings& s = *SettingsRecord;
    // By command: the items are found in whichever submenu holds them; a menu without them
    // is left as it is.
    ::CheckMenuItem(menu, IDM_MOREVARIABLES, MF_BYCOMMAND | (s.MoreVariables ? MF_CHECKED : MF_UNCHECKED));
    ::CheckMenuRadioItem(menu, IDM_ESCAPE_FIRST, IDM_ESCAPE_LAST, ItemOf(s.NameEscape, IDM_ESCAPE_FIRST), MF_BYCOMMAND);
    ::CheckMenuRadioItem(menu, IDM_ENCODING_FIRST, IDM_ENCODING_LAST, ItemOf(s.OutputEncoding, IDM_ENCODING_FIRST),
                         MF_BYCOMMAND);
    ::CheckMenuRadioItem(menu, IDM_LINEENDS_FIRST, IDM_LINEENDS_LAST, ItemOf(s.LineEnds, IDM_LINEENDS_FIRST),
                         MF_BYCOMMAND);
}
