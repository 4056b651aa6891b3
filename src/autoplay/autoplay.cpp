// Automatic play of the whole walk, its stop button and the pause between steps.
#include "app/form1.h"

#include "platform/application.h"
#include "platform/eventdispatch.h"
#include "runtime/millisecondclock.h"
#include "runtime/roundint32.h"
#include "runtime/textnumber.h"

namespace {
// Milliseconds to wait after a step: the speed text's value times 20, rounded half to even. A
// delay beyond 32 bits is clamped rather than an error, so no typed speed can end the program.
std::int32_t stepDelay(const ComboBox &speed)
{
    return roundToInt32(textToNumber(speed.text()) * 20.0);
}

void lockForWalk(Form1 &form)
{
    form.susumu.setEnabled(false);
    form.modoru.setEnabled(false);
    form.syokigamen.setEnabled(false);
    form.jidou.setEnabled(false);
    form.tomeru.setEnabled(true);
}

void unlockAfterWalk(Form1 &form)
{
    form.susumu.setEnabled(true);
    form.modoru.setEnabled(true);
    form.syokigamen.setEnabled(true);
    form.tomeru.setEnabled(false);
    form.jidou.setEnabled(true);
}
} // namespace

void Form1::jidou_Click()
{
    Form_Load();
    // Disabling the focused button moves the focus on; the walk's end gives it back.
    Control *const focused = focusedControl();
    lockForWalk(*this);
    // The flag is still set only when the stop and this click were handled in one dispatch of a
    // walk's pause. Ending here would restore the buttons under that walk, which would then walk
    // on from B unstoppable; instead it takes up the fresh walk from B once its pause is over.
    if (StopRequested == 1) {
        StopRequested = 0;
        return;
    }
    // The walk ends where the route ends: at C today, back at the start for a route right round.
    for (;;) {
        const Int16 stop = StopRequested;
        if (stop == 1 || Distance == LastStep())
            break;
        susumu_Click();
        Pause(stepDelay(Combo1));
    }
    StopRequested = 0;
    unlockAfterWalk(*this);
    if (focused != nullptr)
        focused->setFocus();
}

void Form1::tomeru_Click()
{
    StopRequested = 1;
    jidou.setEnabled(true);
}

// Elapsed time is tested before each dispatch, so a wait of 0 or less dispatches nothing. The
// dispatch sleeps until an event or the end of the wait rather than spinning a processor. A stop
// request ends the wait at once, since a typed speed can ask for days.
void Form1::Pause(std::int32_t milliseconds)
{
    const std::int64_t start = millisecondClock();
    const std::int64_t deadline = start + milliseconds;
    std::int64_t now = start;
    while (now - start < milliseconds && StopRequested != 1) {
        now = millisecondClock();
        dispatchEvents(deadline);
    }
}

// A walk runs inside a click handler; merely hiding the window would leave it walking unseen.
void Form1::Form_Unload()
{
    endProgram();
}
