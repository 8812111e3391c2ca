#pragma once

#include <string>

namespace zunovsim {

// The COM<N> link through which the program finds the emulator, the way a
// user links a real adapter (ln -s /dev/ttyUSB0 COM1).
//
// A user's own COM<N> must never be replaced or removed, even when it dangles
// (an adapter unplugged) or leads into /dev/pts (a terminal of theirs). So the
// emulator leaves a mark beside its link, ".COM<N>.zunov-sim", holding the
// link's target, and keeps the mark locked while the link is in use. A COM<N>
// is taken over only when it is a link that an earlier emulator left behind:
// the mark names exactly its target, and no running emulator holds the mark.
class PortLink
{
public:
    PortLink() = default;
    ~PortLink();
    PortLink(const PortLink &) = delete;
    PortLink &operator=(const PortLink &) = delete;

    // Makes dirPath/name a link to target. Throws std::system_error, with
    // EEXIST when the name is taken by anything else than a stale link of
    // ours (it is then left exactly as it was).
    void create(const std::string &dirPath, const std::string &name, const std::string &target);
    // Removes the link, if it still leads where we made it lead, and the mark.
    void remove();

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    std::string m_markPath;
    std::string m_target;
    int m_mark = -1;
};

} // namespace zunovsim
