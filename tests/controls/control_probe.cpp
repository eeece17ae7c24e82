#include "control_probe.h"

namespace probe {

BEGIN_MESSAGE_TABLE(TProbeDialog, TDialog)
    ON_MESSAGE(TProbeDialog, WM_MENUSELECT, EvMenuSelect)
    ON_MESSAGE(TProbeDialog, WM_ENTERIDLE, EvEnterIdle)
    ON_MESSAGE(TProbeDialog, WM_COMMAND, EvCommand)
    ON_MESSAGE(TProbeDialog, WM_PAINT, EvPaint)
END_MESSAGE_TABLE(TProbeDialog, TDialog)

} // namespace probe
