#include "online/UpdateRun.h"

bool UpdateRun::start()
{
    if (busy())
        return false;
    m_state = State::Probing;
    m_noNewVersion = false;
    m_bar = 0; // a finished download left it full
    return true;
}

void UpdateRun::probeAnswered()
{
    if (m_state == State::Probing)
        m_state = State::Downloading;
}

UpdateProgress::Step UpdateRun::block(qint64 received, qint64 total)
{
    if (m_state != State::Downloading)
        return {false, false, m_bar};
    const UpdateProgress::Step s = UpdateProgress::step(received, total, m_bar);
    m_bar = s.bar;
    return s;
}

void UpdateRun::redirected()
{
    m_noNewVersion = true;
    stop();
}

void UpdateRun::stop(bool keepBar)
{
    m_state = State::Idle;
    if (!keepBar)
        m_bar = 0;
}

UpdateRun::Answer UpdateRun::judge(int status)
{
    if (status == 200)
        return Answer::Patch;
    if (status >= 300 && status < 400)
        return Answer::NoNewVersion;
    return Answer::Refused;
}
