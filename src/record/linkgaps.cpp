#include "record/linkgaps.h"

#include "link/instrumentsession.h"

namespace {

std::optional<bool> onlineIn(LinkState state)
{
    switch (state) {
    case LinkState::Answering:
        return true;
    case LinkState::Away:
        return false;
    case LinkState::Waiting:
        break;
    }
    return std::nullopt;
}

} // namespace

LinkState linkState(const InstrumentSession &session)
{
    if (session.instrumentAnswering())
        return LinkState::Answering;
    return session.instrumentAway() ? LinkState::Away : LinkState::Waiting;
}

LinkGapMarks::LinkGapMarks(LinkState atStart)
    : m_online(onlineIn(atStart))
{}

std::optional<bool> LinkGapMarks::update(LinkState now)
{
    const std::optional<bool> online = onlineIn(now);
    // A port opened again is Waiting until its instrument answers: still the
    // same absence.
    if (!online || online == m_online)
        return std::nullopt;
    const bool wasKnown = m_online.has_value();
    m_online = online;
    if (!wasKnown && *online)
        return std::nullopt;
    return online;
}
