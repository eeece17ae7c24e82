#pragma once
// What a person does inside a loop the test does not run itself (a modal sheet's, a menu's, the
// system's drag): steps run one after another from this thread's timer.
#include "support/pump.h"

#include <functional>
#include <string>
#include <vector>

class TTimerScript {
public:
    // A step is told how often it has been tried; it returns true once it is done.
    using TStep = std::function<bool(int tick)>;
    // What to do when the run gives up: a step was not done in time, or the loop went on long
    // after the last step (why says which).
    using TGiveUp = std::function<void(const std::string& why)>;

    explicit TTimerScript(std::vector<TStep> steps, TGiveUp giveUp = {})
        : Steps(std::move(steps)), OnGiveUp(std::move(giveUp))
    {
        Current = this;
        Timer = ::SetTimer(nullptr, 0, 30, &TTimerScript::Tick);
    }
    ~TTimerScript()
    {
        ::KillTimer(nullptr, Timer);
        Current = nullptr;
    }
    TTimerScript(const TTimerScript&) = delete;
    TTimerScript& operator=(const TTimerScript&) = delete;

    bool Completed() const { return Next == Steps.size(); }
    bool GaveUp() const { return Abandoned; }

    // Handles this thread's messages until the script has completed or given up.
    void PumpUntilEnded()
    {
        PumpUntil([this] { return Completed() || Abandoned; }, 60000);
    }

private:
    static constexpr int TicksToGiveUp = 300;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TTimerScript* self = Current;
        if (!self || self->Busy || self->Abandoned)
            return;
        self->Busy = true;
        if (self->Completed()) {
            if (++self->StepTicks > TicksToGiveUp)
                self->GiveUp("the loop went on after the last step");
        } else if (self->Steps[self->Next](self->StepTicks++)) {
            ++self->Next;
            self->StepTicks = 0;
        } else if (self->StepTicks > TicksToGiveUp) {
            self->GiveUp("step " + std::to_string(self->Next) + " never finished");
        }
        self->Busy = false;
    }

    void GiveUp(const std::string& why)
    {
        Abandoned = true;
        if (OnGiveUp)
            OnGiveUp(why);
    }

    static inline TTimerScript* Current = nullptr;
    std::vector<TStep> Steps;
    TGiveUp OnGiveUp;
    std::size_t Next = 0;
    int StepTicks = 0;
    UINT_PTR Timer = 0;
    bool Busy = false;
    bool Abandoned = false;
};
