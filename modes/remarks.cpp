// What the program says without being asked: the idle remark, the greeting, the follow-up remark.
#include "engine/base_files.h"
#include "platform/qt/engine_text.h"
#include "shell/tform1.h"

namespace besedka {

namespace {

constexpr int kShortestSilence = 60;
constexpr int kLongestSilence = 90;
constexpr int kFollowUpStepMs = 500;

} // namespace

void TForm1::T2Timer() {
    // Drawn afresh at every tick, so the remark comes after 60 to 90 seconds of silence.
    const int threshold = drawBetween(kShortestSilence, kLongestSilence);
    ++IdleTicks;
    if (IdleTicks < threshold)
        return;
    RE2.load(base_files::kIdleRemarks);
    std::string& remark = engine_.state().CpuPhrase;
    remark = RE2.get(random_.below(RE2.count()));
    // The shared colour, in whatever font the line before it had.
    RE1->setLineColor(ColorDialog1.color());
    RE1->appendLine(toQString(remark));
    Log.add(kCpuPrefix + remark);
    MP5.play();
    IdleTicks = 0;
}

void TForm1::T10Timer() {
    engine_.greet();
    // Not reached when the greetings cannot be read, so the next tick draws again.
    T10.setEnabled(false);
}

void TForm1::T9Timer() {
    FollowUpWait += kFollowUpStepMs;
    if (FollowUpWait != T9.interval())
        return;
    engine_.sayFollowUpRemark();
    FollowUpWait = 0;
    T9.setEnabled(false);
}

} // namespace besedka
