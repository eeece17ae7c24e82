#include "control_probe.h"

namespace probe {

BEGIN_MESSAGE_TABLE(TProbeDialog, TDialog)
    ON_WM_MENUSELECT(EvMenuSelect)
    ON_MESSAGE(WM_ENTERIDLE, EvEnterIdle)
    ON_MESSAGE(WM_COMMAND, EvCommand)
    ON_MESSAGE(WM_PAINT, EvPaint)
END_MESSAGE_TABLE()

} // namespace probe
