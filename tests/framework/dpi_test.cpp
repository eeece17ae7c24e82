// Where a system cannot tell its fonts and frame sizes for another scale, the program reckons
// them from the system's own: the reckoning must come to what a system that can tell says.
#include "framework/dpi.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Dpi, ReckonedMetricsMatchWhatTheSystemSaysForEachScale)
{
    if (!::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi"))
        GTEST_SKIP() << "this system cannot tell its metrics for another scale";
    const std::optional<NONCLIENTMETRICSW> system = NonClientMetricsForDpi(SystemDpi());
    ASSERT_TRUE(system);
    for (const int dpi : {120, 144, 192}) {
        SCOPED_TRACE(dpi);
        const std::optional<NONCLIENTMETRICSW> told = NonClientMetricsForDpi(dpi);
        ASSERT_TRUE(told);
        const NONCLIENTMETRICSW reckoned = NonClientMetricsScaled(*system, SystemDpi(), dpi);
        const std::pair<const LOGFONTW&, const LOGFONTW&> fonts[] = {
            {told->lfCaptionFont, reckoned.lfCaptionFont},
            {told->lfMenuFont, reckoned.lfMenuFont},
            {told->lfStatusFont, reckoned.lfStatusFont},
            {told->lfMessageFont, reckoned.lfMessageFont},
        };
        for (const auto& [toldFont, reckonedFont] : fonts) {
            EXPECT_NEAR(toldFont.lfHeight, reckonedFont.lfHeight, 1);
            EXPECT_STREQ(toldFont.lfFaceName, reckonedFont.lfFaceName);
        }
        EXPECT_NEAR(told->iCaptionHeight, reckoned.iCaptionHeight, 1);
        EXPECT_NEAR(told->iScrollWidth, reckoned.iScrollWidth, 1);
        EXPECT_GT(std::abs(told->lfStatusFont.lfHeight), std::abs(system->lfStatusFont.lfHeight));
    }
}
