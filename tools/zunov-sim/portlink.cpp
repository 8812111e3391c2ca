#include "portlink.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zunovsim {

namespace {

constexpr std::size_t LongestTarget = 4096;

[[noreturn]] void fail(int error, const std::string &what)
{
    throw std::system_error(error, std::generic_category(), what);
}

std::string linkTarget(const std::string &path)
{
    std::array<char, LongestTarget> target{};
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    return length > 0 ? std::string(target.data(), static_cast<std::size_t>(length))
                      : std::string();
}

std::string markContent(int mark)
{
    std::array<char, LongestTarget> content{};
    const ssize_t length = ::pread(mark, content.data(), content.size(), 0);
    return length > 0 ? std::string(content.data(), static_cast<std::size_t>(length))
                      : std::string();
}

bool writeMark(int mark, const std::string &content)
{
    return ::ftruncate(mark, 0) == 0
           && ::pwrite(mark, content.data(), content.size(), 0)
                  == static_cast<ssize_t>(content.size());
}

} // namespace

PortLink::~PortLink()
{
    remove();
}

void PortLink::create(const std::string &dirPath, const std::string &name,
                      const std::string &target)
{
    remove();
    const std::string path = dirPath + '/' + name;
    const std::string markPath = dirPath + "/." + name + ".zunov-sim";
    struct stat existing
    {};
    const bool markExisted = ::lstat(markPath.c_str(), &existing) == 0;
    const int mark = ::open(markPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (mark < 0)
        fail(errno, markPath);
    // A running emulator holds its mark, and its link is in use.
    if (::flock(mark, LOCK_EX | LOCK_NB) != 0) {
        ::close(mark);
        fail(EEXIST, path);
    }
    const auto giveUp = [&](int error, const std::string &what) {
        if (!markExisted)
            ::unlink(markPath.c_str());
        ::close(mark);
        fail(error, what);
    };
    const std::string content = target + '\n';
    if (::lstat(path.c_str(), &existing) == 0) {
        const bool leftByUs = markExisted && S_ISLNK(existing.st_mode)
                              && markContent(mark) == linkTarget(path) + '\n';
        if (!leftByUs)
            giveUp(EEXIST, path);
        ::unlink(path.c_str());
    }
    if (!writeMark(mark, content))
        giveUp(errno, markPath);
    if (::symlink(target.c_str(), path.c_str()) != 0)
        giveUp(errno, path);
    m_path = path;
    m_markPath = markPath;
    m_target = target;
    m_mark = mark;
}

void PortLink::remove()
{
    if (m_path.empty())
        return;
    // If someone has pointed the name elsewhere in the meantime, it is theirs.
    if (linkTarget(m_path) == m_target)
        ::unlink(m_path.c_str());
    ::unlink(m_markPath.c_str());
    ::close(m_mark);
    m_mark = -1;
    m_path.clear();
}

} // namespace zunovsim
