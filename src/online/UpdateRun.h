#pragma once

#include "online/UpdateProgress.h"

#include <QtGlobal>

// The update window's run: idle, probing the site, downloading the patch. It keeps the bar and
// the no-new-version mark, and judges the patch answer; the window and the network client act on
// what it says.
class UpdateRun final {
public:
    enum class State { Idle, Probing, Downloading };
    // What the patch answer's status means.
    enum class Answer { Patch, NoNewVersion, Refused };

    State state() const { return m_state; }
    bool busy() const { return m_state != State::Idle; }
    int bar() const { return m_bar; }
    bool noNewVersion() const { return m_noNewVersion; }

    // Idle -> Probing; clears the no-new-version mark and the bar. False (and nothing changes)
    // when busy.
    bool start();
    // Probing -> Downloading once the site answered.
    void probeAnswered();
    // A body block of the patch answer; ignored unless downloading.
    UpdateProgress::Step block(qint64 received, qint64 total);
    // The patch request was redirected: the mark is set and the run ends.
    void redirected();
    // Any end of the run (failure, abort, close, download done): idle, the bar at 0 unless
    // `keepBar`.
    void stop(bool keepBar = false);

    // Only 200 is a patch; a redirect says there is none; everything else is refused.
    static Answer judge(int status);
    // The body is whole when its size equals the announced length (-1: none announced).
    static bool complete(qint64 received, qint64 announced) { return announced < 0 || received == announced; }

private:
    State m_state = State::Idle;
    int m_bar = 0;
    bool m_noNewVersion = false;
};
